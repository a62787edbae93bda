#include "bowling/computer_bowler.h"

#include <algorithm>

#include "bowling/meter.h"
#include "media/iso_math.h"

int32_t FirstBallTarget(const TPlayer& player, TRandom& random) {
  return player.releaseOffsetX + 320 - random.Random(2 * player.level) + (3 * player.level) / 2;
}

int32_t SpareTarget(const TPin& pin, const TPlayer& player) { return Round(pin.x) - player.releaseOffsetX; }

void ComputerStep(TMatchState& match, TPlayer& player, TRandom& random) {
  const int32_t level = player.level;
  // The walk runs in every phase and is not bound by the approach limits that bind a human.
  if (player.approachX < match.cpuTarget) ++player.approachX;
  if (player.approachX > match.cpuTarget) --player.approachX;

  if (match.aiming && !match.charging && !match.rolling && player.approachX == match.cpuTarget) {
    StartMeter(match);
  }

  match.cpuRelease = false;
  if (match.meter > 64) {
    // A bowler releasing well right of its position presses later, bending the ball left.
    const int32_t limit = player.releaseOffsetX <= 10 ? 96 : 110;
    if (match.shot == 0) {
      if (random.Random(level) == 0 && limit - std::min(10, 2 * level) < match.meter) match.cpuRelease = true;
    } else if (match.shot == 1) {
      if (random.Random(level) == 0 && 96 - 2 * level < match.meter) match.cpuRelease = true;
    }
  }

  if (match.charging && 64 - 3 * level < match.meter && match.meter < 64 &&
      random.Random(std::min(level / 3, 1) + 1) == 0) {
    PowerPress(match);
    match.meter = 65;  // one more than after a human's press
  }

  if (match.charging && match.cpuRelease && match.accuracy == 0 && match.power != 0 && match.meter > 74) {
    AccuracyPress(match, player);
  }
}
