// dxlib: tools for the people who make the games' data. Commands register themselves (command.h).
//   exit 0: done   exit 1: the input could not be read (the reader's message on stderr)
//   exit 2: wrong command or arguments
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "media/errors.h"
#include "tools/dxlib/command.h"

namespace {

void PrintHelp(std::FILE* out) {
  std::vector<TCommand> commands = Commands();
  std::sort(commands.begin(), commands.end(),
            [](const TCommand& a, const TCommand& b) { return a.Name < b.Name; });
  std::fprintf(out, "usage: dxlib COMMAND ARGUMENTS...\n\ncommands:\n");
  for (const TCommand& command : commands) {
    std::fprintf(out, "  dxlib %-28s %s\n", command.Usage.c_str(), command.Summary.c_str());
  }
  for (const TCommand& command : commands) {
    if (!command.Help.empty()) std::fprintf(out, "\n%s", command.Help.c_str());
  }
  std::fprintf(out,
               "\nexit status: 0 done, 1 a file could not be read or written (the reason is "
               "printed),\n2 wrong command or arguments\n");
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) {
    PrintHelp(stderr);
    return 2;
  }
  if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    PrintHelp(stdout);
    return 0;
  }
  const TCommand* command = FindCommand(words[0]);
  if (!command) {
    std::fprintf(stderr, "dxlib: unknown command '%s' (dxlib --help lists them)\n",
                 words[0].c_str());
    return 2;
  }
  const std::vector<std::string> args(words.begin() + 1, words.end());
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::printf("usage: dxlib %s\n%s\n%s", command->Usage.c_str(), command->Summary.c_str(),
                command->Help.c_str());
    return 0;
  }
  try {
    TCommandOutput out(stdout);
    return command->Run(args, out);
  } catch (const TUsageError& error) {
    std::fprintf(stderr, "usage: dxlib %s\n(%s)\n", command->Usage.c_str(), error.what());
    return 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
}
