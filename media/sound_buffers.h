// The playable buffers of a sound item: the base buffer and the instance list that shares its
// samples. Empty until the sound device initialises; released when it finalises.
#pragma once

struct TSoundBuffers {
  bool Ready = false;
};
