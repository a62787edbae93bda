#include "bowling/sound_switch.h"

TWaveCollectionItem* TSoundSwitch::Find(TDXWaveList& library, const char* name) {
  TWaveCollection& items = library.Items;
  const int index = items.IndexOf(name);
  if (index >= 0) return &items.Items(index);
  const std::string& file = items.FileName();
  if (!file.empty() && reported_.emplace(file, name).second) {
    report_ << "bowling: " << file << " has no sound \"" << name << "\"; the game goes on without it.\n";
    report_.flush();
  }
  return nullptr;
}

void TSoundSwitch::Play(bool soundOn, TDXWaveList& library, const char* name) {
  if (!soundOn) return;
  if (TWaveCollectionItem* item = Find(library, name)) item->Play(false);
}

void TSoundSwitch::Stop(bool soundOn, TDXWaveList& library, const char* name) {
  if (!soundOn) return;
  if (TWaveCollectionItem* item = Find(library, name)) item->Stop();
}
