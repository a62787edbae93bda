// Everything the bowling program remembers between handlers and ticks: the menus' choices (front
// state), the four players' records, the pins and the match in progress. One TBowlingState is owned
// by the main form and shared by the front end and play; every field starts zero, false or empty.
//
// Arrays keep the numbering the game talks in: players 1..4, pins 1..10, frames 1..13 (index 0 is
// unused). Positions are screen pixels of the 640 x 480 lane, x to the right and y downwards.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "media/geometry.h"

// One pin of the rack.
struct TPin {
  bool standing = false;  // upright in the rack; cleared when knocked
  bool moving = false;    // knocked; its motion is simulated
  bool swept = false;     // removed before a second ball: neither moved nor drawn
  bool inPit = false;     // has passed the back of the lane into the pit
  float x = 0, y = 0;     // base point on the screen
  float homeX = 0, homeY = 0;  // racked position, copied from x and y at each reset
  int32_t fallFrame = 0;  // fall animation counter, 0..60
  int32_t fallRow = 0;    // fall animation row: 0..7 after a ball hit, 8..11 after a pin hit
  float vx = 0, vy = 0;   // velocity in pixels per tick
};

// Frames 1..13 (12 is the last one bowled; 13 is only reached after the last turn).
constexpr int kFrames = 13;
template <class T>
using TFrameArray = std::array<T, kFrames + 1>;

// One player: the bowler, the skill chosen and the score sheet.
struct TPlayer {
  int32_t releaseOffsetX = 0;  // x from approachX to the ball's release point ("info" SkipWidth)
  int32_t releaseOffsetY = 0;  // added to 365 for the ball's starting y ("info" SkipHeight)
  int32_t approachX = 0;       // the bowler's position on the approach (screen x of its centre)
  std::string bowlerName;      // folder name under "bowlers\"
  TFrameArray<int32_t> firstBall{};   // pins down by the first ball of frame k
  TFrameArray<int32_t> secondBall{};  // pins down by the second ball of frame k
  std::array<int32_t, 11> frameTotal{};  // running score after frame k, k = 1..10
  TFrameArray<bool> spare{};
  TFrameArray<bool> strike{};
  TFrameArray<bool> frameStarted{};
  TFrameArray<bool> firstThrown{};
  TFrameArray<bool> secondThrown{};
  bool rookie = false;
  bool amateur = false;
  bool pro = false;
  bool computer = false;
  bool finished = false;  // no balls left in this game
  uint8_t level = 0;      // computer error level: 8 Rookie, 4 Amateur, 1 Pro
};

// The menus' state, kept between matches.
struct TFrontState {
  std::string programFolder;  // folder of the program, ending in a separator
  uint8_t playerCount = 0;    // players in the coming match, 1 or 2
  uint8_t currentPlayer = 0;  // 1-based: the player being chosen (menus) or bowling (play)
  std::string alleyName;      // folder name of the chosen alley under "alleys\"
  bool bumperAlley = false;   // the chosen alley's name holds "BUMPER"
  bool tournamentMode = false;
  bool tournamentContinues = false;  // the last tournament game was won and more remain
  int32_t tournamentGamesPlayed = 0;  // games started in this tournament, the one in play included
  int32_t tournamentLength = 0;       // 3, 5 or 7 (1 when no games button is chosen)
  std::string lastTournamentAlley;
  std::string lastTournamentOpponent;
  int32_t ledFrame = 0;  // frame of the running LED show drawn last
  bool quitting = false;  // the credits run; the next key or click ends the program
};

// The match on the lane.
struct TMatchState {
  std::array<TPlayer, 5> players{};  // 1..4; only 1 and 2 bowl
  std::array<TPin, 11> pins{};       // 1..10, 1 the head pin, 7..10 the back row left to right
  std::array<TPoint, 11> pinLights{};  // top-left of each pin's light on the score display
  uint8_t frame = 0;   // 1..13
  uint8_t shot = 0;    // balls already bowled in the current frame: 0, 1 or 2
  uint8_t pinsDown = 0;
  uint8_t firstCount = 0;
  uint8_t secondCount = 0;
  float ballX = 0, ballY = 0;  // the ball's contact point on the lane
  float ballVX = 0;     // x change per tick
  float ballSpeed = 0;  // y decrease per tick
  float ballHook = 0;   // added to ballVX every tick
  float ballRoll = 0;   // rolling animation, 0..31
  int32_t ballWeight = 0;  // impact size class, -2..3: widens the hit distances
  bool aiming = false;    // phase: positioning the bowler
  bool charging = false;  // phase: the meter runs
  bool rolling = false;   // phase: the ball is on the lane
  bool dragging = false;  // the left button is held over the approach
  bool pinHit = false;    // the ball has touched a pin in this throw
  bool pinsStill = false;  // no pin moves (judged once the ball passed y 96)
  bool matchComplete = false;  // the final sheet is shown, waiting for a key or click
  bool helpShown = false;
  bool blurFrame = false;  // the lane background is redrawn this frame
  bool aniPlayed = false;  // the in-play LED show was considered for this ball
  bool exitPending = false;  // Escape was pressed: Enter abandons the match
  bool reacting = false;     // the bowler's strike or gutter reaction shows
  int32_t meter = 0;     // meter counter in ticks
  int32_t power = 0;     // meter value of the power press, 0 = none yet
  int32_t accuracy = 0;  // meter value of the accuracy press, 0 = none yet
  int32_t reactionFrame = 0;
  std::string reactionName;  // "strike" or "gutter"
  int32_t paceCount = 0;     // ticks since the frame timer's interval was last tuned
  std::string banner;        // the text line over the lane
  int32_t cpuTarget = 0;     // approachX the computer bowler walks to
  bool cpuRelease = false;   // the computer makes its accuracy press this tick
  bool showAllScores = false;
  bool keyLeft = false;
  bool keyRight = false;
  int32_t mouseX = 0, mouseY = 0;  // the pointer, polled every tick
};

struct TBowlingState {
  TFrontState front;
  TMatchState match;

  // The player whose turn it is (or who is being chosen in the menus).
  TPlayer& CurrentPlayer() { return match.players[front.currentPlayer]; }
  const TPlayer& CurrentPlayer() const { return match.players[front.currentPlayer]; }
};
