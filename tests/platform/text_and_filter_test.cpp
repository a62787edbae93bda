#include <gtest/gtest.h>

#include "platform/file_filter.h"
#include "platform/text_encoding.h"

namespace {

TEST(TextEncodingTest, Windows1252RoundTripsThroughUtf8) {
  std::string all;
  for (int c = 1; c < 256; ++c) {
    if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) continue;  // undefined in 1252
    all += static_cast<char>(c);
  }
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80 \xC5\xD6\xC4"), "\xE2\x82\xAC \xC3\x85\xC3\x96\xC3\x84");  // euro, Å Ö Ä
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xEF\xBF\xBD");
}

TEST(TextEncodingTest, UnmappableOrMalformedUtf8BecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("\xE6\x97\xA5" "a"), "?a");   // a CJK character
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x90\x9F"), "?");    // an emoji (4 bytes)
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");                // cut short
  EXPECT_EQ(Utf8ToCp1252("\xC3(x"), "?(x");            // bad continuation
  EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x94"), "\x97");     // em dash
}

TEST(FileFilterTest, ParsesPairsAndMatchesIgnoringCase) {
  const auto filters = ParseFileFilter("Tarnhook Save Games|*.sav|Pictures|*.bmp;*.dib|All");
  ASSERT_EQ(filters.size(), 3u);
  EXPECT_EQ(filters[0].Description, "Tarnhook Save Games");
  EXPECT_EQ(filters[1].Patterns, (std::vector<std::string>{"*.bmp", "*.dib"}));
  EXPECT_EQ(filters[2].Patterns, (std::vector<std::string>{"*.*"}));
  EXPECT_TRUE(MatchesFileFilter("Ann.SAV", filters[0]));
  EXPECT_FALSE(MatchesFileFilter("Ann.sav.bak", filters[0]));
  EXPECT_FALSE(MatchesFileFilter("sav", filters[0]));
  EXPECT_TRUE(MatchesFileFilter("map.dib", filters[1]));
  EXPECT_TRUE(MatchesFileFilter("README", filters[2]));
  EXPECT_TRUE(ParseFileFilter("").empty());
}

TEST(FileFilterTest, DefaultExtensionOnlyForNamesWithoutOne) {
  EXPECT_EQ(WithDefaultExt("saves/Ann", "*.sav"), "saves/Ann.sav");
  EXPECT_EQ(WithDefaultExt("Ann", ".sav"), "Ann.sav");
  EXPECT_EQ(WithDefaultExt("Ann", "sav"), "Ann.sav");
  EXPECT_EQ(WithDefaultExt("Ann.txt", "*.sav"), "Ann.txt");
  EXPECT_EQ(WithDefaultExt("my.saves/Ann", "*.sav"), "my.saves/Ann.sav");  // a dot in a folder counts not
  EXPECT_EQ(WithDefaultExt("Ann", ""), "Ann");
  EXPECT_EQ(WithDefaultExt("Ann", "*.*"), "Ann");
  EXPECT_EQ(WithDefaultExt("saves/", "*.sav"), "saves/");
}

}  // namespace
