#include "bowling/meter.h"

#include <algorithm>

namespace {

constexpr int32_t kSweetSpot = 96;

float SpeedOf(int32_t power) { return std::max(static_cast<float>(power) / 64.0f * 3.5f, 2.0f); }

// The ball's weight class from the power and, for a human, the skill chosen: a Rookie's ball hits
// wider, a Pro's narrower.
int32_t WeightOf(int32_t power, const TPlayer& player) {
  int32_t weight = 0;
  if (power <= 50) weight = -1;
  if (power >= 60) weight = 1;
  if (power >= 62) weight = 2;
  if (!player.computer) {
    if (player.rookie) weight += 1;
    if (player.pro) weight -= 1;
  }
  return weight;
}

}  // namespace

void PowerPress(TMatchState& match) {
  match.power = match.meter;
  match.ballSpeed = SpeedOf(match.power);
  match.meter = 64;
}

void AccuracyPress(TMatchState& match, const TPlayer& player) {
  match.ballVX = static_cast<float>(320 - (player.approachX + player.releaseOffsetX)) / 200.0f;
  match.ballHook = 0;
  match.accuracy = match.meter;
  if (match.accuracy <= kSweetSpot) match.ballVX += static_cast<float>(kSweetSpot - match.accuracy) / 20.0f;
  if (match.accuracy > kSweetSpot) match.ballHook = static_cast<float>(kSweetSpot - match.accuracy) / 1250.0f;
  if (match.accuracy > 112) match.ballHook = static_cast<float>(kSweetSpot - match.accuracy) / 750.0f;
}

void StartMeter(TMatchState& match) {
  match.aiming = false;
  match.charging = true;
  match.showAllScores = false;
}

TPressEffect HumanPress(TMatchState& match, const TPlayer& player) {
  if (match.charging) {
    if (match.accuracy == 0 && match.power != 0 && match.meter > 74) {
      AccuracyPress(match, player);
      return TPressEffect::Accuracy;
    }
    if (match.power == 0) {
      PowerPress(match);
      return TPressEffect::Power;
    }
    return TPressEffect::None;
  }
  if (match.aiming) {
    StartMeter(match);
    return TPressEffect::StartedMeter;
  }
  return TPressEffect::None;
}

bool MeterStep(TMatchState& match, const TPlayer& player) {
  ++match.meter;
  if (match.meter >= 63 && match.power == 0) {
    // No press in time: a fixed weak throw (not the speed a press at 50 would give).
    match.power = 50;
    match.ballSpeed = 3.125f;
    match.meter = 64;
  }
  if (match.meter < 127) return false;
  match.charging = false;
  match.rolling = true;
  match.ballX = static_cast<float>(player.approachX + player.releaseOffsetX);
  match.ballY = static_cast<float>(player.releaseOffsetY + 365);
  match.ballRoll = 0;
  if (match.accuracy == 0) {
    match.accuracy = match.meter;
    match.ballHook = static_cast<float>(kSweetSpot - match.accuracy) / 750.0f;
  }
  match.ballWeight = WeightOf(match.power, player);
  return true;
}
