#include "tools/assetgen/world/lake_catalogue.h"

#include <stdexcept>

namespace {

std::string Dollars(int value) {
  std::string text = "$";
  text += std::to_string(value);
  return text;
}

// A contest summary for the lake panel and the first buoy.
std::string ContestLine(const TLakeDefinition& lake) {
  return "Entry fee " + Dollars(lake.entryFee) + ". Catch " + std::to_string(lake.limit) +
         " fish weighing " + std::to_string(lake.winIf) + " lbs or more to win " + Dollars(lake.prizeMoney) +
         (lake.timed ? " within " + std::to_string(lake.time / 60) + " minutes" : "") + ".";
}

// Object texts are drawn with the image fonts, which know only these characters.
void CheckImageText(const std::string& text) {
  static const std::string kGlyphs = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 \"<>=()-'!_+\\/{}^&%.$#?*";
  for (const char ch : text) {
    if (kGlyphs.find(ch) == std::string::npos) {
      throw std::runtime_error("the image fonts cannot show '" + std::string(1, ch) + "' in: " + text);
    }
  }
  if (text.size() > 255) throw std::runtime_error("object text too long: " + text);
}

TLakeDefinition Lake(const std::string& name, const TLook& look) {
  TLakeDefinition lake;
  lake.name = name;
  lake.look = &look;
  return lake;
}

void Contest(TLakeDefinition& lake, int fee, int prize, int limit, int winIf, int level) {
  lake.entryFee = fee;
  lake.prizeMoney = prize;
  lake.limit = limit;
  lake.winIf = winIf;
  lake.level = level;
}

void Fish(TLakeDefinition& lake, int maxFish, int biggest, int difficulty, int monsters, const std::string& kind) {
  lake.maxFish = maxFish;
  lake.biggest = biggest;
  lake.difficulty = difficulty;
  lake.maxMonster = monsters;
  lake.monsterKind = kind;
}

void Clock(TLakeDefinition& lake, int seconds) {
  lake.timed = true;
  lake.time = seconds;
}

void Size(TLakeDefinition& lake, int cols, int rows, uint32_t seed) {
  lake.shape.cols = cols;
  lake.shape.rows = rows;
  lake.shape.seed = seed;
}

}  // namespace

std::vector<TLakeDefinition> CampaignLakes() {
  std::vector<TLakeDefinition> lakes;
  const TLook& north = CanadaLook();
  const TLook& south = TropicLook();

  {
    // The practice lake is a text map in lakes/, made by dxlib lake make.
    TLakeDefinition lake = Lake("Birch_Pond", north);
    lake.fromTextMap = true;
    lakes.push_back(lake);
  }
  {
    TLakeDefinition lake = Lake("Loon_Lake", north);
    Fish(lake, 40, 18, 15, 1, "Serpent");
    Contest(lake, 25, 200, 5, 16, 3);
    Size(lake, 36, 150, 23);
    lake.shape.basinX = 0.4;
    lake.shape.islands = {{0.35, 0.55, 260}, {0.7, 0.3, 170}};
    lake.shape.rivers = {{{0.5, 0.2, 0.55, 0.05, 0.6, -0.05}, 80}};
    lake.description = "Your first contest, on a loon-haunted lake with two wooded islands. " + ContestLine(lake) +
                       " Watch for the serpent that lives in the deep water.";
    lake.objects.buoys = {"LOON LAKE CONTEST. " + std::to_string(lake.limit) + " FISH WEIGHING " +
                              std::to_string(lake.winIf) + " LBS OR MORE WIN " + Dollars(lake.prizeMoney) + "!",
                          "BETTER LURES HOOK FISH FROM FARTHER AWAY. BUY THEM ON THE PLAYER PAGE."};
    lake.objects.talks = {"A SERPENT LIVES IN THE DEEP WATER. IF IT REACHES YOUR BOAT IT EATS YOUR WHOLE CATCH!"};
    lake.objects.treasures = {40};
    lake.objects.singleFish = {5, 12};
    lake.objects.monsters = {0};
    lakes.push_back(lake);
  }
  {
    TLakeDefinition lake = Lake("Cedar_River", north);
    Fish(lake, 50, 20, 20, 2, "Serpent");
    Contest(lake, 100, 600, 6, 22, 4);
    Clock(lake, 240);
    Size(lake, 48, 180, 37);
    lake.shape.basinX = 0.28;
    lake.shape.basinY = 0.3;
    lake.shape.roughness = 0.6;
    lake.shape.rivers = {{{0.5, 0.45, 0.3, 0.3, 0.2, 0.12, 0.05, -0.1}, 150},
                         {{0.5, 0.5, 0.7, 0.6, 0.85, 0.55, 1.1, 0.7}, 140},
                         {{0.5, 0.6, 0.4, 0.75, 0.45, 0.9, 0.35, 1.1}, 130}};
    lake.shape.islands = {{0.52, 0.5, 140}};
    lake.description = "A cedar-lined lake where three rivers meet, and a race against the clock. " +
                       ContestLine(lake) + " Yellow clock floats add time.";
    lake.objects.buoys = {"CEDAR RIVER. THE CLOCK IS RUNNING! YELLOW CLOCK FLOATS ADD TIME.",
                          "THE RIVER MOUTHS HOLD THE BIGGEST FISH. FOLLOW THE RIVERS UP STREAM."};
    lake.objects.talks = {"A BETTER ROD AND REEL CASTS AND REELS FASTER. SAVE YOUR PRIZE MONEY FOR ONE."};
    lake.objects.treasures = {60, 100};
    lake.objects.moreTime = {30, 30, 45};
    lake.objects.singleFish = {7, 19};
    lake.objects.monsters = {1};
    lakes.push_back(lake);
  }
  {
    TLakeDefinition lake = Lake("Palm_Lagoon", south);
    Fish(lake, 60, 24, 25, 2, "Gator");
    Contest(lake, 250, 1500, 6, 25, 5);
    Size(lake, 40, 160, 41);
    lake.shape.islands = {{0.3, 0.35, 220}, {0.65, 0.5, 260}, {0.4, 0.72, 170}};
    lake.shape.sandShare = 0.7;
    lake.shape.treeShare = 0.3;
    lake.description = "A warm lagoon under the palms, with sandy islands and gators. " + ContestLine(lake);
    lake.objects.buoys = {"PALM LAGOON. GATORS SWIM HERE. KEEP MOVING WHEN ONE COMES NEAR!",
                          "SHELTERED COVES BEHIND THE ISLANDS ARE WHERE THE FISH GATHER."};
    lake.objects.talks = {"A NEWER BOAT GOES FASTER AND TURNS SHARPER. THE GATORS CANNOT CATCH IT."};
    lake.objects.treasures = {150, 250};
    lake.objects.singleFish = {9, 30};
    lake.objects.monsters = {0};
    lakes.push_back(lake);
  }
  {
    TLakeDefinition lake = Lake("Mangrove_Bay", south);
    Fish(lake, 70, 26, 30, 3, "Gator");
    Contest(lake, 500, 3000, 7, 31, 6);
    Clock(lake, 300);
    Size(lake, 48, 190, 53);
    lake.shape.basinX = 0.44;
    lake.shape.roughness = 0.9;
    lake.shape.islands = {{0.25, 0.3, 160}, {0.5, 0.45, 190}, {0.72, 0.62, 170}, {0.35, 0.7, 150}, {0.65, 0.25, 150},
                          {0.42, 0.2, 120}, {0.8, 0.42, 120}};
    lake.shape.rivers = {{{0.8, 0.75, 1.1, 0.95}, 90}};
    lake.shape.sandShare = 0.5;
    lake.shape.treeShare = 0.5;
    lake.description = "A maze of mangrove islands and winding channels. " + ContestLine(lake) +
                       " Three gators hunt in the channels.";
    lake.objects.buoys = {"MANGROVE BAY. THE CHANNELS TWIST AND TURN. CLOCK FLOATS ADD TIME.",
                          "BIG FISH FIGHT HARD HERE. STOP THE BAR RIGHT IN THE MIDDLE."};
    lake.objects.talks = {"THREE GATORS HUNT THE CHANNELS. LAND YOUR LIMIT BEFORE THEY FIND YOU!"};
    lake.objects.treasures = {300, 200};
    lake.objects.moreTime = {30, 45, 60};
    lake.objects.singleFish = {11, 40, 60};
    lake.objects.monsters = {2};
    lakes.push_back(lake);
  }
  {
    TLakeDefinition lake = Lake("Thunder_Lake", north);
    Fish(lake, 80, 30, 40, 3, "Serpent");
    Contest(lake, 1000, 6000, 8, 40, 7);
    Clock(lake, 300);
    Size(lake, 56, 220, 67);
    lake.shape.basinX = 0.45;
    lake.shape.basinY = 0.44;
    lake.shape.islands = {{0.3, 0.3, 320}, {0.7, 0.35, 260}, {0.5, 0.62, 360}, {0.25, 0.78, 200}};
    lake.shape.treeShare = 0.55;
    lake.description = "A big northern lake of pine islands under stormy skies. " + ContestLine(lake);
    lake.objects.buoys = {"THUNDER LAKE. THE BIG ISLANDS SPLIT THE LAKE INTO FOUR BAYS.",
                          "THE SERPENTS ARE HUNGRY TODAY. THREE OF THEM PATROL THE OPEN WATER.",
                          "FISH THE BAYS FOR WEIGHT. A FULL LIMIT IS NOT ENOUGH IF THE FISH ARE SMALL."};
    lake.objects.talks = {"I SAW A CHEST FLOATING IN THE FAR NORTH BAY. NOBODY HAS FETCHED IT YET."};
    lake.objects.treasures = {500, 400};
    lake.objects.moreTime = {45, 60};
    lake.objects.singleFish = {13, 50, 70};
    lake.objects.monsters = {1, 2};
    lakes.push_back(lake);
  }
  {
    TLakeDefinition lake = Lake("Coral_Atoll", south);
    Fish(lake, 90, 34, 50, 4, "Kraken");
    Contest(lake, 2000, 10000, 8, 45, 8);
    Size(lake, 56, 224, 79);
    lake.shape.basinX = 0.47;
    lake.shape.basinY = 0.46;
    lake.shape.roughness = 0.4;
    lake.shape.atollRadius = 0.26;
    lake.shape.islands = {{0.5, 0.5, 110}};
    lake.shape.sandShare = 0.9;
    lake.shape.treeShare = 0.35;
    lake.description = "A ring of coral islands around a clear lagoon, far out at sea. " + ContestLine(lake) +
                       " Something with tentacles lives outside the ring.";
    lake.objects.buoys = {"CORAL ATOLL. THE LAGOON IS CALM BUT THE KRAKEN HUNT OUTSIDE THE RING.",
                          "GAPS IN THE REEF LEAD IN AND OUT OF THE LAGOON."};
    lake.objects.talks = {"THE KRAKEN IS SLOW BUT IT NEVER GIVES UP. DO NOT LET IT CORNER YOU IN A COVE."};
    lake.objects.treasures = {800, 600};
    lake.objects.singleFish = {17, 44, 80};
    lake.objects.monsters = {0, 3};
    lakes.push_back(lake);
  }
  {
    TLakeDefinition lake = Lake("Northern_Lights", north);
    Fish(lake, 100, 36, 60, 4, "Kraken");
    Contest(lake, 4000, 16000, 10, 60, 9);
    Clock(lake, 360);
    Size(lake, 64, 256, 89);
    lake.shape.basinX = 0.45;
    lake.shape.basinY = 0.45;
    lake.shape.roughness = 0.8;
    lake.shape.islands = {{0.3, 0.25, 280}, {0.68, 0.42, 340}, {0.35, 0.62, 240}, {0.6, 0.8, 220}};
    lake.shape.rivers = {{{0.3, 0.5, 0.15, 0.45, -0.1, 0.55}, 150}, {{0.7, 0.2, 0.85, 0.15, 1.1, 0.05}, 140}};
    lake.shape.treeShare = 0.6;
    lake.description = "The last lake before the championship: a vast, cold lake under the northern lights. " +
                       ContestLine(lake) + " Only the best anglers win here.";
    lake.objects.buoys = {"NORTHERN LIGHTS. THE KRAKEN CAME UP THE RIVERS FROM THE SEA.",
                          "THE DEEP WATER HOLDS FISH OF " + std::to_string(lake.biggest - 1) + " INCHES AND MORE.",
                          "WIN HERE AND THE WORLD CHAMPIONSHIP OPENS TO YOU."};
    lake.objects.talks = {"THE CLOCK FLOATS DRIFT FAR FROM THE START. THEY ARE WORTH THE TRIP.",
                          "THE FASTEST BOAT COSTS $15000. WITH IT THE KRAKEN CANNOT CATCH YOU."};
    lake.objects.treasures = {1000, 700};
    lake.objects.moreTime = {45, 60, 60};
    lake.objects.singleFish = {19, 55, 90};
    lake.objects.monsters = {2};
    lakes.push_back(lake);
  }
  {
    TLakeDefinition lake = Lake("World_Championship", south);
    Fish(lake, 120, 40, 70, 5, "Kraken");
    Contest(lake, 10000, 50000, 10, 68, 9);
    Clock(lake, 420);
    Size(lake, 72, 288, 97);
    lake.shape.basinX = 0.46;
    lake.shape.basinY = 0.46;
    lake.shape.roughness = 0.85;
    lake.shape.islands = {{0.25, 0.22, 300}, {0.7, 0.3, 320}, {0.45, 0.5, 400}, {0.25, 0.75, 260}, {0.72, 0.75, 300}};
    lake.shape.rivers = {{{0.5, 0.8, 0.55, 0.92, 0.5, 1.1}, 160}};
    lake.shape.sandShare = 0.6;
    lake.shape.treeShare = 0.4;
    lake.description = "The World Championship, on a great tropical lake of islands and bays. " +
                       ContestLine(lake) + " Win it and you are the Grand Champion.";
    lake.objects.buoys = {"WELCOME TO THE WORLD CHAMPIONSHIP! " + std::to_string(lake.winIf) + " LBS MAKE YOU THE GRAND CHAMPION.",
                          "FIVE KRAKEN GUARD THE TITLE. THEY ARE SLOW BUT THEY NEVER STOP.",
                          "THE BAYS BEHIND THE ISLANDS HOLD THE HEAVIEST FISH."};
    lake.objects.talks = {"I FISHED THIS LAKE FOR TWENTY YEARS. THE BIG ONES LIKE THE SOUTH RIVER.",
                          "GOOD LUCK CHAMP! THE WHOLE WORLD IS WATCHING."};
    lake.objects.treasures = {2000, 1000, 500};
    lake.objects.moreTime = {60, 60, 90};
    lake.objects.singleFish = {23, 66, 100, 119};
    lake.objects.monsters = {0, 4};
    lakes.push_back(lake);
  }

  for (const TLakeDefinition& lake : lakes) {
    for (const std::string& text : lake.objects.buoys) CheckImageText(text);
    for (const std::string& text : lake.objects.talks) CheckImageText(text);
  }
  return lakes;
}

std::string LakeIniText(const TLakeDefinition& lake) {
  std::string text = "[Lake Data]\r\n";
  auto key = [&](const char* name, const std::string& value) { text += std::string(name) + "=" + value + "\r\n"; };
  key("Description", lake.description);
  key("MaxFish", std::to_string(lake.maxFish));
  key("Maxmonster", std::to_string(lake.maxMonster));
  key("MonsterKind", lake.monsterKind);
  key("Biggest", std::to_string(lake.biggest));
  key("Difficulty", std::to_string(lake.difficulty));
  key("Timed", lake.timed ? "1" : "0");
  key("Time", std::to_string(lake.time));
  key("ImageLib", lake.look->library);
  key("EntryFee", std::to_string(lake.entryFee));
  key("PrizeMoney", std::to_string(lake.prizeMoney));
  key("Limit", std::to_string(lake.limit));
  key("WinIf", std::to_string(lake.winIf));
  key("Level", std::to_string(lake.level));
  return text;
}

std::string CatalogueIniText(const std::vector<TLakeDefinition>& lakes) {
  std::string text = "[Lakes]\r\n";
  for (size_t i = 0; i < lakes.size(); ++i) text += "lake" + std::to_string(i + 1) + "=" + lakes[i].name + "\r\n";
  return text;
}

std::string OptionsIniText() {
  return "[Tarnhook]\r\nflip=0\r\nspeed=1\r\nmousedrive=1\r\nkeydrive=0\r\nsoundon=1\r\nsoundoff=0\r\nbgsound=1\r\n";
}
