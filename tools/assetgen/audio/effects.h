// The game's sound effects as raw signals at kRate. One-shots start and end in silence; the loops
// (engine, reel) repeat without a seam. sound_library.cpp finishes them into waves.
#pragma once

#include "tools/assetgen/audio/dsp.h"

namespace audio {

// Rod and line (effects_line.cpp).
Signal CastSound();     // a rod whoosh with the spool clicking out
Signal ReelLoop();      // ratcheting reel, loops
Signal HookSting();     // a tense stab as a fish strikes
Signal CaughtJingle();  // a happy jingle for a landed fish
Signal BoingSound();    // the strike meter bouncing at an end: short and light

// Water (effects_water.cpp).
Signal SplashSound();      // a fish thrashing free
Signal MiniSplashSound();  // the lure landing

// Outboard engine (effects_engine.cpp).
Signal StartGasSound();  // cord pull, cranking and the engine catching
Signal GasLoop();        // the engine running, loops

// Map objects (effects_objects.cpp).
Signal BellSound();   // a buoy bell rocking
Signal CoinsSound();  // treasure

// Monsters (effects_monsters.cpp), one voice per kind.
Signal SerpentSound();  // a long sibilant hiss over a throaty rattle
Signal GatorSound();    // a deep pulsing bellow ending in a jaw snap
Signal KrakenSound();   // a vast bubbling roar from below
Signal MonsterSound();  // a generic beast's roar, for lakes that name no kind

}  // namespace audio
