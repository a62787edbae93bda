// The rules the file dialogs share: the "Description|*.ext" filter list and the default extension
// added to a name typed without one.
#pragma once

#include <string>
#include <vector>

struct TFileFilter {
  std::string Description;
  std::vector<std::string> Patterns;  // "*.sav", "*.*" ...
};

// Splits "Desc|*.a;*.b|Desc2|*.c" into its pairs; a trailing description without patterns gets "*.*".
std::vector<TFileFilter> ParseFileFilter(const std::string& filter);
// Whether a file name (without folder) matches one of the patterns, ignoring case; "*" and "?" wild.
bool MatchesFileFilter(const std::string& fileName, const TFileFilter& filter);
// The path with ".ext" added when its file name has no extension; defaultExt may be "*.sav",
// ".sav" or "sav"; an empty one adds nothing.
std::string WithDefaultExt(const std::string& path, const std::string& defaultExt);
