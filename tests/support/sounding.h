// Whether a library's sound is being heard: its base voice or one of its instances busy in the
// mixer of the library's sound device. False while the device has no mixer.
#pragma once

#include <string>

#include "media/wave_collection.h"

bool Sounding(TWaveCollection& library, const std::string& name);
