// Whole files in and out of memory: the library, bitmap and wave readers parse from memory, and
// the writers replace a file only once its new content is complete.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A whole file in memory, read straight into a buffer that is not cleared first (the libraries
// are the largest files the games read, and each byte is written once). The buffer starts on a
// page: the system copies a file into page-aligned memory markedly faster.
struct TFileBufferFree {
  void operator()(uint8_t* bytes) const;
};
struct TFileBuffer {
  std::unique_ptr<uint8_t[], TFileBufferFree> Data;
  size_t Size = 0;
};

// Bytes shared by the things read from them (pictures, waves), which keep them alive.
using TSharedBytes = std::shared_ptr<const uint8_t[]>;

// A whole file in memory that what is read from it may point into.
struct TSharedFile {
  TSharedBytes Bytes;
  size_t Size = 0;
};

// The file's bytes. A missing or unreadable file raises EFOpenError "Cannot open file %s".
std::vector<uint8_t> ReadFileBytes(const std::string& path);
// The same into a TFileBuffer: the bytes the file holds when it is opened.
TFileBuffer ReadFileBuffer(const std::string& path);
// The same, shared.
TSharedFile ReadSharedFile(const std::string& path);
// Writes bytes to a temporary file beside path, then renames it over path, so a reader never sees
// a half-written file. Failure raises EStreamError "Cannot create file %s".
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
