// RIFF wave files, as stored in the "Wave.WAVE" payload of a sound item and in ".wav" files.
//
//   "RIFF", uint32 size (not checked), "WAVE", then chunks to the end of the payload:
//   chunk  4-byte identifier, uint32 length, then length bytes
//          "fmt "  the format block, kept whole (its first 16 bytes are the PCM fields)
//          "data"  the samples
//          other   skipped by its length (no pad byte is skipped after an odd length)
//
// Each chunk header is read into 8 zeroed bytes, so at the end of the payload the identifier reads
// as 0 and the walk stops; a chunk whose length runs past the end ends the walk the same way. A
// "fmt " or "data" body longer than what is left raises EReadError "Stream read error".
#pragma once

#include <cstdint>
#include <vector>

#include "media/byte_reader.h"
#include "media/file_bytes.h"
#include "media/wave.h"

// Decodes a RIFF wave. An empty payload gives an empty wave; a payload without the "RIFF"/"WAVE"
// header raises EWaveStreamError "Wave is invalid". With an owner, which keeps the payload's bytes
// alive, the samples share those bytes instead of being copied (unless they lie at an odd address).
TWave ReadRiffWave(TByteReader payload, const TSharedBytes& owner = nullptr);
// Encodes a wave as a RIFF file with a "fmt " chunk (when the format block is not empty) and a
// "data" chunk.
std::vector<uint8_t> EncodeRiffWave(const TWave& wave);
