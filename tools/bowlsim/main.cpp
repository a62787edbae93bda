// bowlsim: plays computer-against-computer bowling matches headless and prints how each bowler does,
// e.g. bowlsim --matches 500 --level pro --bowler Vekt --alley Tradtional --seed 7
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "bowling/match_simulator.h"
#include "media/errors.h"
#include "media/folder_listing.h"
#include "media/program_paths.h"
#include "tools/bowlsim/sim_options.h"
#include "tools/bowlsim/sim_report.h"

namespace {

// The bowling data: the folder given, else the program folder beside bowlsim (a build), else the
// installed one (share/bowling under bowlsim's prefix), else the current folder.
std::string DataFolder(const TSimOptions& options) {
  if (!options.data.empty()) return options.data;
  const std::string beside = ExecutableFolder() + "bowling";
  if (std::filesystem::is_directory(beside)) return beside;
  const std::string installed = InstalledDataFolder(ExecutableFolder(), "bowling");
  return !installed.empty() && std::filesystem::is_directory(installed) ? installed : std::string(".");
}

// A progress bar on standard error while it is a terminal.
void ShowProgress(int done, int total) {
  static const bool terminal = isatty(STDERR_FILENO) != 0;
  if (!terminal) return;
  constexpr int kWidth = 40;
  const int filled = kWidth * done / total;
  std::fprintf(stderr, "\r[%.*s%*s] %d/%d", filled, "########################################", kWidth - filled, "", done,
               total);
  if (done == total) std::fprintf(stderr, "\n");
  std::fflush(stderr);
}

// Stops with a plain message when a name is not a folder of the data.
void RequireFolder(const std::string& data, const std::string& kind, const std::string& name) {
  for (const std::string& entry : ListFolder(data + "/" + kind)) {
    if (entry == name) return;
  }
  throw std::invalid_argument("no " + kind.substr(0, kind.size() - 1) + " \"" + name + "\" in " + data + "/" + kind);
}

}  // namespace

int main(int argc, char** argv) {
  TSimOptions options;
  try {
    options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& error) {
    if (*error.what()) std::fprintf(stderr, "bowlsim: %s\n", error.what());
    std::fputs(SimUsage(), *error.what() ? stderr : stdout);
    return *error.what() ? 2 : 0;
  }
  try {
    const std::string data = DataFolder(options);
    for (const std::string& bowler : options.bowlers) RequireFolder(data, "bowlers", bowler);
    RequireFolder(data, "alleys", options.alley);
    TMatchSimulator simulator(data);
    simulator.Seed(options.seed);
    const std::string& first = options.bowlers.front();
    const std::string& second = options.bowlers.back();
    TSimReport report;
    for (int match = 0; match < options.matches; ++match) {
      const TMatchResult result = simulator.Play(first, second, options.level, options.alley);
      for (const TGameResult& game : result.players) report.Add(game);
      ShowProgress(match + 1, options.matches);
    }
    const char* level = options.level == 8 ? "rookie" : options.level == 4 ? "amateur" : "pro";
    std::printf("%d matches, level %s, alley %s, seed %llu\n%s", options.matches, level, options.alley.c_str(),
                static_cast<unsigned long long>(options.seed), report.Text().c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "bowlsim: %s\n", error.what());
    return 1;
  }
  return 0;
}
