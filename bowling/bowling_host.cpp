#include "bowling/bowling_host.h"

#include "media/picture_collection.h"

void TBowlingHost::LoadLibrary(TPictureCollection& library, const std::string& path) { library.ReadFromFile(path); }
