// Errors of the media layer and the games: exceptions that carry their message text. Each area has
// its own class, all derived from Exception, so a handler's caller can show any of them the same way.
#pragma once

#include <stdexcept>
#include <string>

// printf-style formatting into a std::string (the message texts use %s and %d).
std::string Fmt(const char* format, ...) __attribute__((format(printf, 1, 2)));

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

#define TH_DECLARE_ERROR(Name, Base)                                  \
  class Name : public Base {                                          \
   public:                                                            \
    explicit Name(const std::string& message) : Base(message) {}      \
  };

TH_DECLARE_ERROR(EStreamError, Exception)             // file streams
TH_DECLARE_ERROR(EFOpenError, EStreamError)           // "Cannot open file %s"
TH_DECLARE_ERROR(EReadError, EStreamError)            // "Stream read error", "Invalid stream format", "Error reading ..."
TH_DECLARE_ERROR(EPropertyError, Exception)           // "Invalid property value", "Property does not exist"
TH_DECLARE_ERROR(EInvalidGraphic, Exception)          // "DIB is invalid", "BitCount in invalid (%d)", ...
TH_DECLARE_ERROR(EWaveStreamError, Exception)         // "Wave is invalid"
TH_DECLARE_ERROR(EListError, Exception)               // "List index out of bounds (%d)"
TH_DECLARE_ERROR(EPictureCollectionError, Exception)  // "Image '%s' not found"
TH_DECLARE_ERROR(EWaveCollectionError, Exception)     // "Wave '%s' not found"
TH_DECLARE_ERROR(EDXDrawError, Exception)             // drawing device
TH_DECLARE_ERROR(EDXSoundError, Exception)            // sound device
TH_DECLARE_ERROR(EDirectSoundBufferError, Exception)  // sound buffers
TH_DECLARE_ERROR(EIniFileException, Exception)        // "Unable to write to %s"
TH_DECLARE_ERROR(EDataError, Exception)               // game data refused with a clear reason

#undef TH_DECLARE_ERROR
