// Sound libraries in memory: a TWaveCollection of TWaveCollectionItem, each a named wave with its
// playback settings, found by name without regard to letter case. Playback is in sound_buffers.h.
#pragma once

#include <cstdint>
#include <string>

#include "media/file_bytes.h"
#include "media/name_index.h"
#include "media/sound_buffers.h"
#include "media/wave.h"

class TDXSound;
class TWaveCollection;

class TWaveCollectionItem : public TNamedItem {
 public:
  explicit TWaveCollectionItem(TWaveCollection& collection);
  ~TWaveCollectionItem();

  // The library that owns the item.
  TWaveCollection& Collection() const { return collection_; }

  // Stored in the file.
  bool Looped() const { return looped_; }
  void SetLooped(bool looped);  // a change stops all playback first
  int32_t MaxPlayingCount() const { return maxPlayingCount_; }
  void SetMaxPlayingCount(int32_t count);  // negative -> 0; a change releases the instances
  const TWave& Wave() const { return wave_; }
  // Replaces the wave; the item's buffers (which may use the wave's bytes in place) are released
  // first and, while the device is initialised, built again from the new wave.
  void SetWave(TWave wave);

  // Run time only.
  int32_t Frequency = 0;  // Hz; 0 = the wave's own rate
  int32_t Pan = 0;        // -10000 (left) .. 10000 (right)
  int32_t Volume() const { return volume_; }
  void SetVolume(int32_t volume);  // hundredths of a decibel, 0 = full, -10000 = silent

  void Play(bool wait = false);
  void Stop();

  TSoundBuffers& Buffers() { return buffers_; }

 private:
  TWaveCollection& collection_;
  bool looped_ = false;
  int32_t maxPlayingCount_ = 0;
  int32_t volume_ = 0;
  TWave wave_;
  TSoundBuffers buffers_;
};

class TWaveCollection : public TNamedCollection<TWaveCollectionItem> {
 public:
  TWaveCollection();
  ~TWaveCollection();

  // The sound device this library is registered with (set by TDXWaveList), or nullptr.
  TDXSound* DXSound = nullptr;

  // The item found through the name index (the one named last among equal names).
  // Raises EWaveCollectionError "Wave '%s' not found".
  TWaveCollectionItem& Find(const std::string& name);
  // Appends a new item with the default fields and an empty name.
  TWaveCollectionItem& Add();

  // Loads a library file, replacing the content. The file is opened before anything is removed;
  // a missing or unreadable file raises EFOpenError "Cannot open file %s".
  void ReadFromFile(const std::string& path);
  // Removes every item, then reads a library from memory (the waves copy their samples; those
  // read by ReadFromFile share the file's bytes). On a read error the items read so far stay and
  // the error propagates.
  void ReadFromStream(const uint8_t* data, size_t size);
  // The file the content was read from whole, as given to ReadFromFile; "" when the content came
  // from memory or its file could not be read to the end.
  const std::string& FileName() const { return fileName_; }

  // Builds every item's base buffer (device initialised) or releases all buffers.
  void RestoreBuffers();
  void FinalizeBuffers();

 private:
  // Reads from data; the waves share file's bytes when it is given (data lies in them).
  void Load(const uint8_t* data, size_t size, const TSharedBytes& file);
  void AfterLoad();

  std::string fileName_;
};
