#include "platform/frame_pacer.h"

uint32_t TFramePacer::UntilFrame(uint32_t now, bool timerRuns, bool drawAreaShows) const {
  uint32_t period = kFrameMs;
  if (timerRuns && drawAreaShows) {
    period = kPlayRefreshMs;
  } else if (!timerRuns && now - stirred_ >= kSettleMs) {
    period = kIdleFrameMs;
  }
  const uint32_t since = now - presented_;
  return since >= period ? 0 : period - since;
}
