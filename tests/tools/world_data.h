// Shared helpers of the tests that look at the generated program folder (bin/tarnhook), which
// exists when the build generates data; without it those tests skip.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "media/ini_file.h"

namespace world_test {

inline std::filesystem::path DataFolder() { return std::filesystem::path(TH_BIN_DIR) / "tarnhook"; }

inline bool HaveData() { return std::filesystem::exists(DataFolder() / "lakes" / "lakes.ini"); }

// The catalogue's lake names in order.
inline std::vector<std::string> LakeNames() {
  const TIniFile ini((DataFolder() / "lakes" / "lakes.ini").string());
  std::vector<std::string> names;
  for (int i = 1; i <= 255; ++i) {
    const std::string name = ini.ReadString("Lakes", "lake" + std::to_string(i), "NA");
    if (name != "NA") names.push_back(name);
  }
  return names;
}

inline std::string LakeFile(const std::string& name, const std::string& extension) {
  return (DataFolder() / "lakes" / (name + extension)).string();
}

}  // namespace world_test

#define WORLD_NEEDS_DATA() \
  if (!world_test::HaveData()) GTEST_SKIP() << "no generated data folder (built with TH_BUILD_DATA=OFF)"
