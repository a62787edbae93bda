// What play and the LED sign need from the form around them: the options as the menus hold them,
// read at the moment they are used, and the hand-overs back to the menus. The main form implements
// it; the match simulator, benchmarks and tests preset theirs.
#pragma once

#include <string>

class TPictureCollection;

class TBowlingHost {
 public:
  virtual ~TBowlingHost() = default;

  virtual bool SoundOn() const = 0;         // "Sound Enabled": gates every sound played or stopped
  virtual bool CrowdReactions() const = 0;  // "Crowd Reactions": the bowler's spoken reactions
  virtual bool SoftShadows() const = 0;     // "Soft Shadows"
  virtual bool FastRefresh() const = 0;     // "Fast Refresh": background every other frame
  virtual int Animations() const = 0;       // LED shows in play: 0 never, 1 always, 2 sometimes
  virtual int TournamentGames() const = 0;  // 3, 5 or 7 from the games buttons, 0 when none is chosen

  // Back to the menu (or the tournament's continue page) after a show is dismissed.
  virtual void cleanup() = 0;
  // The credits were dismissed: sound device and display finalised, the program ends.
  virtual void EndProgram() = 0;
  // Loads a library file into a library (the program reads it afresh every time).
  virtual void LoadLibrary(TPictureCollection& library, const std::string& path);
};

// Options set once by whoever runs play without the menus (the match simulator, benchmarks,
// tests); the hand-overs back to the menus do nothing.
class TPresetBowlingHost : public TBowlingHost {
 public:
  bool SoundOn() const override { return sound; }
  bool CrowdReactions() const override { return crowd; }
  bool SoftShadows() const override { return shadows; }
  bool FastRefresh() const override { return fastRefresh; }
  int Animations() const override { return animations; }
  int TournamentGames() const override { return games; }
  void cleanup() override {}
  void EndProgram() override {}

  bool sound = true;
  bool crowd = true;
  bool shadows = true;
  bool fastRefresh = false;
  int animations = 2;
  int games = 3;
};
