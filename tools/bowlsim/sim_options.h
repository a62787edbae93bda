// bowlsim's command line: --matches N, --level rookie|amateur|pro, --bowler NAME (once for both
// players, twice for one each), --alley NAME, --seed S, --data DIR (the bowling program folder).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TSimOptions {
  int matches = 100;
  int level = 1;  // 8 Rookie, 4 Amateur, 1 Pro
  std::vector<std::string> bowlers;  // one or two; "Vekt" when none is given
  std::string alley = "Tradtional";
  uint64_t seed = 1;
  std::string data;  // "" for the bowling folder beside bowlsim
};

// The options of the arguments after the program name. Raises std::invalid_argument with a message
// for anything it cannot read; "--help" raises std::invalid_argument with an empty message.
TSimOptions ParseSimOptions(const std::vector<std::string>& args);
// The usage text.
const char* SimUsage();
