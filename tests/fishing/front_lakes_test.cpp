// The lake catalogue, the lake files and the lake panel.
#include <gtest/gtest.h>

#include <limits>

#include "fishing/lake_catalogue.h"
#include "fishing/main_form.h"
#include "tests/fishing/front_rig.h"

namespace front_test {
namespace {

struct FrontLakesTest : ::testing::Test {
  TFrontRig rig;
  std::vector<std::string> Listed(int32_t lakesOpen) {
    return ReadLakeCatalogue(rig.Path("lakes/lakes.ini"), lakesOpen);
  }
};

using Names = std::vector<std::string>;

TEST_F(FrontLakesTest, NaAndGapsAreSkippedInNumberOrder) {
  rig.WriteFile("lakes/lakes.ini", Catalogue("lake2=NA\r\nlake1=First\r\nlake4=Fourth\r\nLAKE3 = Third\r\n"));
  EXPECT_EQ(Listed(2), Names{"First"});
  EXPECT_EQ(Listed(4), (Names{"First", "Third", "Fourth"}));
  EXPECT_EQ(Listed(0), Names{});
  EXPECT_EQ(Listed(-3), Names{});
}

TEST_F(FrontLakesTest, OnlyTheLakesSectionAndExactKeysCount) {
  rig.WriteFile("lakes/lakes.ini",
                "[Other]\r\nlake1=Wrong\r\n[Lakes]\r\nlake01=Padded\r\nlake1=Right\r\nlake1=Second\r\nlake2=na\r\n"
                "lake3=\r\nlakes4=No\r\n");
  // "na" is not "NA"; an empty name is still an entry, as the catalogue names it.
  EXPECT_EQ(Listed(5), (Names{"Right", "na", ""}));
}

TEST_F(FrontLakesTest, AHugeLakeCountListsWhatTheCatalogueHas) {
  rig.WriteFile("lakes/lakes.ini", Catalogue("lake1=A\r\nlake255=B\r\nlake99999999999=C\r\n"));
  EXPECT_EQ(Listed(std::numeric_limits<int32_t>::max()), (Names{"A", "B"}));
  EXPECT_EQ(Listed(255), (Names{"A", "B"}));
}

TEST_F(FrontLakesTest, MissingCatalogueGivesAnEmptyList) {
  std::filesystem::remove(rig.Path("lakes/lakes.ini"));
  TMainForm& form = rig.Start();
  EXPECT_EQ(form.lakePanel.lakes.Count(), 0);
  EXPECT_EQ(form.lakePanel.lakes.ItemIndex(), -1);
  form.lakesClick();
  EXPECT_FALSE(form.lakePanel.showgo.Visible);
  EXPECT_TRUE(rig.host.Messages().empty());
}

TEST_F(FrontLakesTest, LakeFileValuesReachTheTrip) {
  rig.WriteFile("lakes/Lake2.ini",
                "[Lake Data]\r\nDescription=Deep and cold\r\nMaxFish=20\r\nMaxmonster=0\r\nMonsterKind=Gator\r\n"
                "Biggest=40\r\nDifficulty=3\r\nTimed=1\r\nTime=90\r\nImageLib=tropic.dxg\r\nEntryFee=100\r\n"
                "PrizeMoney=900\r\nLimit=4\r\nWinIf=12\r\nLevel=5\r\n");
  TMainForm& form = rig.Start();
  rig.host.Click("title");
  rig.host.Click("go");
  rig.host.SelectItem("lakes", 1);
  rig.Step();
  const LakeTrip& trip = *form.trip;
  EXPECT_EQ(form.lakePanel.lakeinfo.Lines, Names{"Deep and cold"});
  EXPECT_EQ(trip.lastFish, 19);
  EXPECT_EQ(trip.lastMonster, -1);
  EXPECT_EQ(trip.monsterKind, "Gator");
  EXPECT_EQ(trip.Biggest, 40);
  EXPECT_EQ(trip.Difficulty, 3);
  EXPECT_TRUE(trip.timed);
  EXPECT_EQ(trip.ticksTotal, 2700);
  EXPECT_EQ(trip.imageLib, "tropic.dxg");
  EXPECT_EQ(trip.entryFee, 100);
  EXPECT_EQ(trip.prizeMoney, 900);
  EXPECT_EQ(trip.limit, 4);
  EXPECT_EQ(trip.winIf, 12);
  EXPECT_EQ(trip.lakeLevel, 5);
  EXPECT_TRUE(form.lakePanel.showgo.Showing());
  EXPECT_EQ(form.SelectedLakeName(), "Lake2");
}

TEST_F(FrontLakesTest, MissingAndGarbageLakeValuesGiveDefaultsWithinRange) {
  auto owner = std::make_unique<LakeTrip>();  // the record is too large for the stack
  LakeTrip& trip = *owner;
  EXPECT_EQ(ReadLakeFile(rig.Path("lakes/Nowhere.ini"), trip), "No Description");
  EXPECT_EQ(trip.lastFish, 15);
  EXPECT_EQ(trip.lastMonster, 2);
  EXPECT_EQ(trip.monsterKind, "Monster");
  EXPECT_EQ(trip.Biggest, 24);
  EXPECT_FALSE(trip.timed);
  EXPECT_EQ(trip.ticksTotal, 0);
  EXPECT_EQ(trip.imageLib, "canada.dxg");
  EXPECT_EQ(trip.limit, 6);
  EXPECT_EQ(trip.winIf, 1);
  EXPECT_EQ(trip.lakeLevel, 1);

  rig.WriteFile("lakes/Bad.ini",
                "[Lake Data]\r\nMaxFish=many\r\nMaxmonster=-2147483648\r\nTime=2000000000\r\nTimed=sure\r\n"
                "Limit=0x10\r\n");
  ReadLakeFile(rig.Path("lakes/Bad.ini"), trip);
  EXPECT_EQ(trip.lastFish, 15);
  EXPECT_EQ(trip.lastMonster, std::numeric_limits<int32_t>::min());
  EXPECT_EQ(trip.ticksTotal, std::numeric_limits<int32_t>::max());
  EXPECT_FALSE(trip.timed);
  EXPECT_EQ(trip.limit, 16);
}

TEST_F(FrontLakesTest, LakeWithoutAMapKeepsTheMapShownBefore) {
  TMainForm& form = rig.Start();
  const TPicture defaultMap = form.lakePanel.map.Picture();
  form.lakePanel.lakes.SetItemIndex(1);  // Lake2 has no map picture
  form.lakesClick();
  EXPECT_EQ(form.lakePanel.map.Picture(), defaultMap);
  form.lakePanel.lakes.SetItemIndex(0);
  form.lakesClick();
  ASSERT_EQ(form.lakePanel.map.Picture().Width, 200);
  EXPECT_EQ(form.lakePanel.map.Picture().At(10, 10) & 0xF8F8F8, 0x3366CCu & 0xF8F8F8);
  const TPicture lake1Map = form.lakePanel.map.Picture();
  form.lakePanel.lakes.SetItemIndex(1);
  form.lakesClick();
  EXPECT_EQ(form.lakePanel.map.Picture(), lake1Map);
  EXPECT_EQ(form.lakePanel.lakeinfo.Lines, Names{"The lake number 2"});
}

TEST_F(FrontLakesTest, UnreadableMapIsReportedAndTheLakeIsNotOffered) {
  rig.WriteFile("lakes/Lake2.bmp", "BM not a bitmap");
  TMainForm& form = rig.Start();
  rig.host.Click("title");
  rig.host.Click("go");
  rig.host.SelectItem("lakes", 1);
  rig.Step();
  ASSERT_EQ(rig.host.Messages().size(), 1u);
  EXPECT_FALSE(form.lakePanel.showgo.Visible);
}

TEST_F(FrontLakesTest, RefillAfterATripKeepsTheLakeOnShowSelected) {
  TMainForm& form = rig.Start();
  form.lakePanel.lakes.SetItemIndex(1);
  form.lakesClick();
  form.trip->lakesOpen = 4;
  form.RefillLakeList();
  EXPECT_EQ(form.lakePanel.lakes.Count(), 4);
  EXPECT_EQ(form.SelectedLakeName(), "Lake2");
  form.FillLakeList();
  EXPECT_EQ(form.lakePanel.lakes.ItemIndex(), -1);
}

}  // namespace
}  // namespace front_test

namespace front_test {
namespace {

// The generated program folder, seen through links from a folder of the test's own so that nothing
// the form might write lands in the build's data.
TEST(FrontShippedData, EveryCatalogueLakeShowsItsDescriptionAndMap) {
  const std::filesystem::path data = std::filesystem::path(TH_BIN_DIR) / "tarnhook";
  if (!std::filesystem::exists(data / "lakes" / "lakes.ini") || !std::filesystem::exists(data / "sound.dxw")) {
    GTEST_SKIP() << "the data folder has not been generated";
  }
  TFrontRig rig;
  std::filesystem::remove_all(rig.folder);
  std::filesystem::create_directories(rig.folder);
  for (const auto& entry : std::filesystem::directory_iterator(data)) {
    if (entry.path().filename() == "tarnhook") continue;
    std::filesystem::create_symlink(entry.path(), rig.folder / entry.path().filename());
  }
  TMainForm& form = rig.Start();
  EXPECT_TRUE(rig.host.Messages().empty());
  ASSERT_EQ(form.lakePanel.lakes.Count(), 2);
  form.trip->lakesOpen = 255;
  form.FillLakeList();
  TListBox& lakes = form.lakePanel.lakes;
  ASSERT_GT(lakes.Count(), 2);
  const TPicture defaultMap = form.lakePanel.map.Picture();
  for (int i = 0; i < lakes.Count(); ++i) {
    lakes.SetItemIndex(i);
    form.lakesClick();
    SCOPED_TRACE(lakes.Selected());
    ASSERT_EQ(form.lakePanel.lakeinfo.Lines.size(), 1u);
    EXPECT_NE(form.lakePanel.lakeinfo.Lines[0], "No Description");
    EXPECT_NE(form.lakePanel.map.Picture(), defaultMap);
    EXPECT_EQ(form.lakePanel.map.Picture().Width, 200);
    EXPECT_EQ(form.lakePanel.map.Picture().Height, 198);
    EXPECT_GE(form.trip->lastFish, 0);
  }
  EXPECT_EQ(lakes.Items().back(), "World_Championship");
  EXPECT_TRUE(rig.host.Messages().empty());
}

}  // namespace
}  // namespace front_test
