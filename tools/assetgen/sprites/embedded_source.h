// C++ source that compiles an encoded image library into a program, so it never misses it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sprites {

// Source that includes header and defines `const uint8_t <name>[]` (the library's bytes, one
// string literal per 64 of them, and a closing zero) and `const size_t <name>Size`; its first line
// is the comment about.
std::string EmbeddedLibrarySource(const std::string& about, const std::string& header, const std::string& name,
                                  const std::vector<uint8_t>& library);

// Writes text to path through path + ".tmp" and a rename; raises std::runtime_error on failure.
void WriteSourceFile(const std::string& path, const std::string& text);

}  // namespace sprites
