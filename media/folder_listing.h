// Folder searches: the entries of one folder whose names match a wildcard pattern, the way the
// bowling program finds its bowler and alley folders (its program folder + "\bowlers\*.*").
//
// The pattern's folder part is found like any program path: backslashes or slashes, doubled
// separators tolerated, each component without regard to letter case. Its last component is the
// name pattern: '*' any run of characters, '?' any one character, compared without regard to case;
// a name without a dot also matches as if it ended in one, so "*.*" matches every name.
//
// Hidden and system entries are never listed: on this system a name starting with "." is hidden
// (so "." and ".." never appear), and anything that is neither a plain file nor a folder (a
// socket, a device, a pipe) is a system entry. Plain files always match; folders only when the
// mask holds faDirectory.
//
// Order: by name without regard to letter case, then by the exact bytes. A directory's own order is
// the file system's and differs between machines; a sorted list is the same everywhere, and it is
// the order a case-blind sorted file system lists.
//
// A program with several data folders (see program_paths.h) lists them all as one: an entry of a
// later folder is left out when an earlier folder has an entry of that name without regard to
// case, as the program's data wins over the player's own; entries within one folder are all kept.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TProgramPaths;

// Attribute mask bit: list folders as well as files.
constexpr uint32_t faDirectory = 0x10;

// Names of the entries the search finds. A folder that does not exist, or cannot be read, gives
// an empty list.
std::vector<std::string> FindEntries(const std::string& pattern, uint32_t attributes);
// Every entry of the folder: FindEntries(folder + "\*.*", attributes).
std::vector<std::string> ListFolder(const std::string& folder, uint32_t attributes = faDirectory);

// The entries every data folder of paths has for relativePattern ("bowlers\*.*"), merged and sorted
// (rules above).
std::vector<std::string> FindDataEntries(const TProgramPaths& paths, const std::string& relativePattern,
                                         uint32_t attributes);

// Whether name matches the wildcard pattern (rules above).
bool MatchesWildcard(const std::string& name, const std::string& pattern);
