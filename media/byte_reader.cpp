#include "media/byte_reader.h"

void ThrowStreamReadError() { throw EReadError("Stream read error"); }
