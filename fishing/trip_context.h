// What every step of a trip works on: the trip record, the form's media components, the form
// itself, and the pictures and sounds play uses each tick, looked up once when the trip starts.
#pragma once

#include <string>
#include <vector>

#include "fishing/fishing_devices.h"
#include "fishing/lake_trip.h"
#include "fishing/tile_layer.h"
#include "fishing/trip_host.h"

class TPictureCollectionItem;
class TWaveCollectionItem;

struct TPlayPictures {
  TPictureCollectionItem* fish = nullptr;
  TPictureCollectionItem* monster = nullptr;  // named by monsterKind (nullptr on a lake without)
  TPictureCollectionItem* fishdash = nullptr;
  TPictureCollectionItem* fishmeter = nullptr;
  TPictureCollectionItem* powerbar = nullptr;
  TPictureCollectionItem* hook = nullptr;
  TPictureCollectionItem* water = nullptr;
  TPictureCollectionItem* splash = nullptr;
  TPictureCollectionItem* bobber = nullptr;
  TPictureCollectionItem* boat = nullptr;     // boatImage
  TPictureCollectionItem* boatGas = nullptr;  // boatImage + "gas"
  TPictureCollectionItem* body = nullptr;     // bodyImage
  TPictureCollectionItem* mouse = nullptr;
  TPictureCollectionItem* mouseGas = nullptr;
  TPictureCollectionItem* mouseNoFish = nullptr;
};

struct TPlaySounds {
  TWaveCollectionItem* cast = nullptr;
  TWaveCollectionItem* gas = nullptr;
  TWaveCollectionItem* startgas = nullptr;
  TWaveCollectionItem* reel = nullptr;
  TWaveCollectionItem* hook = nullptr;
  TWaveCollectionItem* caught = nullptr;
  TWaveCollectionItem* splash = nullptr;
  TWaveCollectionItem* minisplash = nullptr;
  TWaveCollectionItem* boing = nullptr;
  TWaveCollectionItem* coins = nullptr;
  TWaveCollectionItem* bell = nullptr;
  TWaveCollectionItem* monster = nullptr;   // named by monsterKind (nullptr on a lake without)
  TWaveCollectionItem* ambience = nullptr;  // background sound named imageLib, when there is one
};

// What drawing a cell needs of its tile, looked up once a tick for each tile in view rather than
// for every cell showing it.
struct TTileLook {
  TPictureCollectionItem* item = nullptr;  // nullptr: not looked up yet this tick
  int total = 0;                           // its patterns
  int rise = 0;                            // rows it stands above its diamond
};

struct TTripContext {
  LakeTrip& trip;
  TFishingDevices& dev;
  TTripHost& host;
  TPlayPictures pictures;
  TPlaySounds sounds;
  // Scratch for the texts drawn each tick; its capacity is kept, so drawing them allocates nothing.
  std::string text;
  // Scratch for the tiles drawn each tick, one per item of the tile library; kept like text.
  std::vector<TTileLook> tileLooks;
  // The lake's tiles as last drawn, which a tick updates rather than draws anew.
  TTileLayer tileLayer;
};
