// The lakes of the campaign, in catalogue order: their ini values, the shape of their maps and
// what their map objects say and give.
#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/world/lake_map.h"

struct TLakeDefinition {
  std::string name;  // catalogue value and file stem
  // Made by dxlib lake make from lakes/<name>.txt beside the generator; the generator only lists
  // it in the catalogue, and the values below are unused.
  bool fromTextMap = false;
  std::string description;
  int maxFish = 16;
  int maxMonster = 3;
  std::string monsterKind = "Monster";
  int biggest = 24;
  int difficulty = 10;
  bool timed = false;
  int time = 0;  // seconds
  const TLook* look = nullptr;
  int entryFee = 0;
  int prizeMoney = 0;
  int limit = 6;
  int winIf = 1;
  int level = 1;
  TLakeShape shape;
  TLakeObjects objects;
};

// Every lake, the practice lake first and "World_Championship" last.
std::vector<TLakeDefinition> CampaignLakes();

// The lake's ini file text, section "Lake Data" with every key.
std::string LakeIniText(const TLakeDefinition& lake);
// The catalogue "lakes.ini", section "Lakes", keys lake1, lake2, ...
std::string CatalogueIniText(const std::vector<TLakeDefinition>& lakes);
// The options file shipped with the program.
std::string OptionsIniText();
