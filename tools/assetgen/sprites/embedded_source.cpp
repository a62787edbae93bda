#include "tools/assetgen/sprites/embedded_source.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace sprites {

std::string EmbeddedLibrarySource(const std::string& about, const std::string& header, const std::string& name,
                                  const std::vector<uint8_t>& library) {
  std::string out = "// " + about + "\n#include \"" + header +
                    "\"\n\n"
                    "// One string literal per line of bytes; the array holds the bytes and a closing zero.\n"
                    "const uint8_t " +
                    name + "[] =\n";
  char octal[8];
  for (size_t i = 0; i < library.size(); i += 64) {
    out += "    \"";
    for (size_t j = i; j < library.size() && j < i + 64; ++j) {
      // Octal escapes are at most three digits, so a following digit cannot run into them.
      std::snprintf(octal, sizeof octal, "\\%03o", library[j]);
      out += octal;
    }
    out += "\"\n";
  }
  if (library.empty()) out += "    \"\"\n";
  out += "    ;\n";
  out += "const size_t " + name + "Size = sizeof(" + name + ") - 1;\n";
  return out;
}

void WriteSourceFile(const std::string& path, const std::string& text) {
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error("Cannot create file " + temp);
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) throw std::runtime_error("Cannot create file " + path);
}

}  // namespace sprites
