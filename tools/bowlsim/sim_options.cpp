#include "tools/bowlsim/sim_options.h"

#include <charconv>
#include <stdexcept>

namespace {

template <class T>
T Number(const std::string& option, const std::string& text, T lowest, T highest) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest) {
    throw std::invalid_argument(option + " wants a number from " + std::to_string(lowest) + " to " +
                                std::to_string(highest) + ", not \"" + text + "\"");
  }
  return value;
}

int Level(const std::string& text) {
  if (text == "rookie") return 8;
  if (text == "amateur") return 4;
  if (text == "pro") return 1;
  throw std::invalid_argument("--level wants rookie, amateur or pro, not \"" + text + "\"");
}

}  // namespace

const char* SimUsage() {
  return "usage: bowlsim [--matches N] [--level rookie|amateur|pro] [--bowler NAME [--bowler NAME]]\n"
         "               [--alley NAME] [--seed S] [--data DIR]\n"
         "Plays computer-against-computer matches with the bowling program's own play code and prints,\n"
         "per bowler, the mean score and its spread, strike and spare rates, first-ball pins, splits\n"
         "and gutter balls.\n"
         "One --bowler plays against itself; DIR is the bowling program folder (default: the one\n"
         "beside bowlsim, else the installed one). The same seed gives the same output.\n";
}

TSimOptions ParseSimOptions(const std::vector<std::string>& args) {
  TSimOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--help" || option == "-h") throw std::invalid_argument("");
    if (i + 1 >= args.size()) throw std::invalid_argument("unknown or incomplete option \"" + option + "\"");
    const std::string& value = args[++i];
    if (option == "--matches") {
      options.matches = Number(option, value, 1, 10000000);
    } else if (option == "--level") {
      options.level = Level(value);
    } else if (option == "--bowler") {
      if (options.bowlers.size() == 2) throw std::invalid_argument("at most two --bowler options");
      options.bowlers.push_back(value);
    } else if (option == "--alley") {
      options.alley = value;
    } else if (option == "--seed") {
      options.seed = Number<uint64_t>(option, value, 0, UINT64_MAX);
    } else if (option == "--data") {
      options.data = value;
    } else {
      throw std::invalid_argument("unknown option \"" + option + "\"");
    }
  }
  if (options.bowlers.empty()) options.bowlers.push_back("Vekt");
  return options;
}
