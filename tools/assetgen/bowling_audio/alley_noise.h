// The alleys' background sounds ("noise.dxw"), one seamless loop of 10 to 20 seconds per alley:
// the hall around the lane, in the alley's own mood.
#pragma once

#include <vector>

#include "tools/assetgen/audio/dsp.h"

namespace audio::bowling {

struct Alley {
  const char* name;  // the alley's folder under alleys/
  Signal (*ambience)();
  double level;  // RMS of the finished loop: a busy hall is louder than a calm one
};

// Every alley, in the order the program lists them.
const std::vector<Alley>& Alleys();

// A busy classic hall: games on every lane, a full crowd talking, now and then a cheer.
Signal ClassicHallAmbience();
// A hall at night under neon: a low synth hum and dance music through the wall, fewer games.
Signal NeonHallAmbience();
// A calm evening hall: a few games, quiet talk, laughter and glasses at the bar.
Signal SunsetHallAmbience();
// A family hall: children chattering, laughing and squealing, slow balls off the bumpers.
Signal FamilyHallAmbience();

// The parts of the neon hall that set it apart, as loops of kNeonSeconds: its hum and tube buzz
// complete whole cycles in it, and its music (at 120 beats a minute) whole bars.
constexpr double kNeonSeconds = 16.0;
Signal NeonHum();
Signal MusicThroughTheWall();

}  // namespace audio::bowling
