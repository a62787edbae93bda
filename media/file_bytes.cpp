#include "media/file_bytes.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

#include "media/errors.h"

namespace {

struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFile = std::unique_ptr<std::FILE, TFileCloser>;

}  // namespace

void TFileBufferFree::operator()(uint8_t* bytes) const { std::free(bytes); }

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  const auto fail = [&]() -> EFOpenError { return EFOpenError(Fmt("Cannot open file %s", path.c_str())); };
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) throw fail();
  TFile file(std::fopen(path.c_str(), "rb"));
  if (!file) throw fail();
  // Read straight into a buffer of the expected size; keep reading should the file have grown.
  const uintmax_t expected = std::filesystem::file_size(path, error);
  std::vector<uint8_t> bytes(error ? 0 : static_cast<size_t>(expected));
  size_t filled = std::fread(bytes.data(), 1, bytes.size(), file.get());
  for (;;) {
    if (filled < bytes.size()) break;
    bytes.resize(bytes.size() + 65536);
    const size_t n = std::fread(bytes.data() + filled, 1, bytes.size() - filled, file.get());
    filled += n;
    if (n == 0) break;
  }
  if (std::ferror(file.get())) throw fail();
  bytes.resize(filled);
  return bytes;
}

TFileBuffer ReadFileBuffer(const std::string& path) {
  const auto fail = [&]() -> EFOpenError { return EFOpenError(Fmt("Cannot open file %s", path.c_str())); };
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) throw fail();
  TFile file(std::fopen(path.c_str(), "rb"));
  if (!file) throw fail();
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (error) throw fail();
  constexpr size_t kPage = 4096;
  if (size > SIZE_MAX - kPage) throw fail();
  TFileBuffer buffer;
  const size_t rounded = (static_cast<size_t>(size) + kPage) & ~(kPage - 1);
  buffer.Data.reset(static_cast<uint8_t*>(std::aligned_alloc(kPage, rounded)));
  if (!buffer.Data) throw std::bad_alloc();
  buffer.Size = std::fread(buffer.Data.get(), 1, static_cast<size_t>(size), file.get());
  if (std::ferror(file.get())) throw fail();
  return buffer;
}

TSharedFile ReadSharedFile(const std::string& path) {
  TFileBuffer file = ReadFileBuffer(path);
  return TSharedFile{TSharedBytes(std::move(file.Data)), file.Size};
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  const auto fail = [&]() -> EStreamError {
    return EStreamError(Fmt("Cannot create file %s", path.c_str()));
  };
  const std::string temporary = path + ".tmp";
  {
    TFile file(std::fopen(temporary.c_str(), "wb"));
    if (!file) throw fail();
    const bool written = bytes.empty() ||
                         std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    if (!written || std::fflush(file.get()) != 0) {
      file.reset();
      std::remove(temporary.c_str());
      throw fail();
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::remove(temporary.c_str());
    throw fail();
  }
}
