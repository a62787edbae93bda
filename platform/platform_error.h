// Errors of the platform layer: the window, renderer or audio device could not be opened.
#pragma once

#include "media/errors.h"

class EPlatformError : public Exception {
 public:
  explicit EPlatformError(const std::string& message) : Exception(message) {}
};
