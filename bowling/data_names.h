// Names of bowlers and alleys as the program compares them: upper-cased in the ASCII letters only,
// as the folder names are matched against the defaults and the bumper rule.
#pragma once

#include <string>
#include <vector>

// The name with a..z turned into A..Z; every other byte kept.
std::string UpperCaseAscii(std::string name);
// An alley whose upper-cased name contains "BUMPER" has bumpers 15 pixels inside the lane edges.
bool IsBumperAlley(const std::string& alleyName);
// The entry the lists start on: the last one whose upper-cased name equals defaultName (given in
// capitals), else 0; -1 for an empty list.
int DefaultEntry(const std::vector<std::string>& entries, const std::string& defaultName);
