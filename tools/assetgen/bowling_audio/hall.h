// A bowling hall heard from one lane, as a seamless loop built up layer by layer: the air, people
// talking, games on the other lanes, laughter, cheers. Events are wrapped round the loop and beds
// are folded into it, so the loop runs on into its own start.
#pragma once

#include <cstdint>

#include "tools/assetgen/audio/dsp.h"

namespace audio::bowling {

class HallLoop {
 public:
  HallLoop(double seconds, uint64_t seed);
  size_t Length() const { return far_.size(); }  // samples in the loop

  // The hall's air conditioning and the low rumble of the building.
  void AddAir(double level);
  // People talking all over the hall, each on and off in phrases; some of them children.
  void AddMurmur(int people, double childShare, double level);
  // Games on other lanes: a ball rolls, crashes into the pins, the pinsetter clears the deck and the
  // ball comes back up the return. gentleness 0..1 makes slower balls and smaller crashes.
  void AddGames(int games, double level, double gentleness);
  // Bursts of laughter somewhere in the hall.
  void AddLaughter(int bursts, double childShare, double level);
  // A far group cheering a strike, with applause.
  void AddCheers(int cheers, double level);
  // Children's squeals of delight.
  void AddSqueals(int squeals, double level);
  // Balls bouncing off the padded bumper rails of the children's lanes.
  void AddBumpers(int bumps, double level);
  // Glasses and bottles clinking at the bar.
  void AddGlasses(int clinks, double level);
  // Mixes a loop of the same length (a hum, music through a wall) in as it is.
  void AddLoop(const Signal& loop, double level);

  // The hall's walls, floor and distance over everything; the finished loop.
  Signal Mix() const;

 private:
  // A random time in the loop.
  double AnyTime() { return noise_.Range(0.0, seconds_); }

  double seconds_;
  Noise noise_;
  Signal far_;   // heard across the hall: dulled, with much of the room
  Signal near_;  // the neighbouring lanes and the bed: clear, with some of the room
};

}  // namespace audio::bowling
