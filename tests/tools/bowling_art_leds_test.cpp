// The LED shows read back through the library reader and turned into lamps as the program does
// (a raw 16-bit pixel above 128 lights its lamp): whole 81 x 30 frames of pure black and white,
// lamps lit exactly where the show's frames are, in-play shows that open on a blank frame and
// last two to four seconds, and the sign's dot font.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/tools/bowling_art_library.h"
#include "tools/assetgen/bowling_art/led_font.h"
#include "tools/assetgen/bowling_art/led_shows.h"

namespace {

using bowling_art::LedFrame;
using bowling_art_test::ReadShow;

// The lamps of frame i as the program reads them from pattern 0.
std::vector<bool> Lamps(const TPictureCollection& show, int i) {
  const TPictureCollectionItem& frame = show.Items(i);
  std::vector<bool> lamps;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 81; ++x) lamps.push_back(Raw565(PixelOf(frame, 0, x, y)) > 128);
  }
  return lamps;
}

bool Dark(const std::vector<bool>& lamps) {
  for (bool lit : lamps) {
    if (lit) return false;
  }
  return true;
}

TEST(BowlingArtLeds, EveryShowIsThereAndEachFrameIsAWholeSignOfBlackAndWhite) {
  const std::vector<std::string> names = {"intro",   "credits", "gameover", "wingame", "winall",
                                          "strike1", "strike2", "strike3",  "spare1",  "spare2",
                                          "spare3",  "gutter1", "gutter2",  "gutter3"};
  ASSERT_EQ(bowling_art::LedShowNames(), names);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const auto show = ReadShow(name);
    ASSERT_GE(show->Count(), 2);
    for (int i = 0; i < show->Count(); ++i) {
      const TPictureCollectionItem& frame = show->Items(i);
      ASSERT_EQ(frame.Width(), 81) << i;
      ASSERT_EQ(frame.Height(), 30) << i;
      ASSERT_GE(frame.PatternTotal(), 1) << i;
      EXPECT_FALSE(frame.Transparent) << i;
      for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 81; ++x) {
          const uint16_t raw = Raw565(PixelOf(frame, 0, x, y));
          ASSERT_TRUE(raw == 0 || raw == 0xFFFF) << i << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(BowlingArtLeds, LampsLightExactlyWhereTheShowsFramesAreLit) {
  for (const bowling_art::LedShow& show : bowling_art::LedShows()) {
    SCOPED_TRACE(show.Name);
    const auto read = ReadShow(show.Name);
    ASSERT_EQ(read->Count(), static_cast<int>(show.Frames.size()));
    for (int i = 0; i < read->Count(); ++i) {
      const std::vector<bool> lamps = Lamps(*read, i);
      for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 81; ++x) {
          ASSERT_EQ(lamps[static_cast<size_t>(y) * 81 + x], show.Frames[i].At(x, y)) << i << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(BowlingArtLeds, ShowsOpenOnABlankFrameAndAnimate) {
  for (const bowling_art::LedShow& show : bowling_art::LedShows()) {
    SCOPED_TRACE(show.Name);
    const auto read = ReadShow(show.Name);
    ASSERT_GE(read->Count(), 1);
    EXPECT_TRUE(Dark(Lamps(*read, 0)));
    std::set<std::vector<bool>> distinct;
    for (int i = 0; i < read->Count(); ++i) distinct.insert(Lamps(*read, i));
    if (show.InPlay) {
      // Play waits while the show runs: 1.5 to 4 seconds at 100 ms a frame.
      EXPECT_GE(read->Count(), 15);
      EXPECT_LE(read->Count(), 40);
      EXPECT_GE(distinct.size(), 8u);
    } else {
      // A full-screen show loops: a few seconds at least before it repeats.
      EXPECT_GE(read->Count(), 30);
      EXPECT_GE(distinct.size(), 15u);
    }
  }
  const std::set<std::string> inPlay = {"strike1", "strike2", "strike3", "spare1", "spare2",
                                        "spare3",  "gutter1", "gutter2", "gutter3"};
  for (const bowling_art::LedShow& show : bowling_art::LedShows()) {
    EXPECT_EQ(show.InPlay, inPlay.count(show.Name) == 1) << show.Name;
  }
}

TEST(BowlingArtLeds, DotFontSpellsEveryCharacterApartAndRefusesOnesItLacks) {
  const std::string chars = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!?.,'\"-+=/:&*()#";
  std::set<std::string> shapes;
  for (char c : chars) {
    LedFrame f;
    bowling_art::DrawLedText(f, 0, 0, std::string(1, c));
    std::string shape;
    for (int y = 0; y < bowling_art::kLedFontHeight; ++y) {
      for (int x = 0; x < 6; ++x) shape += f.At(x, y) ? '#' : '.';
    }
    EXPECT_FALSE(f.Blank()) << c;
    EXPECT_TRUE(shapes.insert(shape).second) << c << " looks like another character";
    // Nothing is lit right of the width the layout reserves.
    const int width = bowling_art::LedTextWidth(std::string(1, c));
    for (int y = 0; y < 8; ++y) EXPECT_FALSE(f.At(width, y)) << c;
  }
  // Doubling doubles every dot.
  LedFrame one, two;
  bowling_art::DrawLedText(one, 0, 0, "AB");
  bowling_art::DrawLedText(two, 0, 0, "AB", 2);
  EXPECT_EQ(two.LitCount(), 4 * one.LitCount());
  EXPECT_EQ(bowling_art::LedTextWidth("AB", 2), 2 * bowling_art::LedTextWidth("AB"));
  LedFrame f;
  EXPECT_THROW(bowling_art::DrawLedText(f, 0, 0, "BOWLING~"), std::logic_error);
  EXPECT_THROW(bowling_art::LedTextWidth("a"), std::logic_error);
}

}  // namespace
