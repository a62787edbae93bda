// The bowlers' reactions after a throw ("speech.dxw"): a strike brings the bowler's own cry and
// the crowd's cheer, claps and whistles; a gutter ball a groan. Each bowler has a voice, a cry of
// their own and a crowd of their own size, so no two bowlers' reactions sound alike.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/bowling_audio/voice.h"

namespace audio::bowling {

struct Bowler {
  const char* name;  // the bowler's folder under bowlers/
  Voice voice;
  Utterance (*cheer)();  // the bowler's cry after a strike
  Utterance (*groan)();  // and after a gutter ball
  int crowd;             // people watching
  int whistlers;
  double childShare;  // of the crowd
  uint64_t seed;
};

// Every bowler, in the order the program lists them.
const std::vector<Bowler>& Bowlers();

// The bowler's own cry, alone: after a strike, or after a gutter ball.
Signal Exclamation(const Bowler& bowler, bool strike);
// The whole reactions, 1 to 3 seconds, starting and ending in silence.
Signal StrikeReaction(const Bowler& bowler);
Signal GutterReaction(const Bowler& bowler);

}  // namespace audio::bowling
