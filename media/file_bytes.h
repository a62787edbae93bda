// Whole files in and out of memory: the library, bitmap and wave readers parse from memory, and
// the writers replace a file only once its new content is complete.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The file's bytes. A missing or unreadable file raises EFOpenError "Cannot open file %s".
std::vector<uint8_t> ReadFileBytes(const std::string& path);
// Writes bytes to a temporary file beside path, then renames it over path, so a reader never sees
// a half-written file. Failure raises EStreamError "Cannot create file %s".
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
