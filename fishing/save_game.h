// Save games: the angler's profile in an ini file of the player's choosing (extension ".sav"),
// section "Save Data", one key per value, written in the order Name, Cash, Body, Level, Boat, Rod,
// Lures. Nothing is saved automatically.
#pragma once

#include <cstdint>
#include <string>

constexpr const char* kSaveSection = "Save Data";
constexpr const char* kSaveFilter = "Tarnhook Save Games|*.sav";
constexpr const char* kSaveDefaultExt = "*.sav";

struct TSaveGame {
  std::string name = "Player";
  int32_t cash = 10;
  int32_t body = 0;    // the angler figure's tab index
  int32_t level = 1;   // lakes opened
  int32_t boat = 1;    // gear levels, as stored (the bars clamp them)
  int32_t rod = 1;
  int32_t lures = 1;
};

// The profile in the file; a missing file, key or unreadable value gives the default above.
TSaveGame ReadSaveGame(const std::string& path);
// Writes the seven keys at once: the file is replaced whole, so a failure leaves the previous save
// as it was. Raises EIniFileException "Unable to write to %s".
void WriteSaveGame(const std::string& path, const TSaveGame& save);
