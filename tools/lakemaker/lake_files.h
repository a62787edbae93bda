// Making a lake's files from its source, all or nothing: NAME.iso, NAME.ini and NAME.bmp in the
// output folder, NAME being the source file's name without its extension.
#pragma once

#include <string>
#include <vector>

struct TMadeLake {
  std::string name;
  std::vector<std::string> notes;  // what play allows but the maker may not mean
  std::string catalogueLine;       // the line that lists the lake in lakes\lakes.ini
};

// Reads, checks and writes. Raises EDataError listing every problem of the source, each with its
// place ("SOURCE: line 7, column 12: ..."), and then writes nothing; EFOpenError when the source
// cannot be opened, EStreamError when a file cannot be written (the others are then not changed).
TMadeLake MakeLakeFiles(const std::string& sourcePath, const std::string& outDir);
