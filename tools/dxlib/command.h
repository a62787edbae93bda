// The commands of dxlib. Each command lives in its own file and registers itself with a static
// TCommandRegistrar, so main.cpp needs no list of them:
//
//   static const TCommandRegistrar kList({"list", "list FILE", "print the items as JSON", "", RunList});
//
// A command writes its results through TCommandOutput (standard output in the program, a string in
// tests) and reports unreadable input by raising an error: dxlib prints its message on stderr and
// exits with 1.
#pragma once

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// Where a command's results go.
class TCommandOutput {
 public:
  // Writes to a stream (stdout in the program).
  explicit TCommandOutput(std::FILE* stream) : stream_(stream) {}
  // Collects the text instead (for tests).
  TCommandOutput() = default;

  // printf-style text.
  void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void Write(const std::string& text);
  // The text collected so far when not writing to a stream.
  const std::string& Text() const { return text_; }

 private:
  std::FILE* stream_ = nullptr;
  std::string text_;
};

struct TCommand {
  std::string Name;     // the word after "dxlib"
  std::string Usage;    // the command with its arguments, e.g. "list FILE"
  std::string Summary;  // one line for the command list
  std::string Help;     // more lines for --help (may be empty)
  // Runs with the arguments after the command word; returns the exit code.
  std::function<int(const std::vector<std::string>& args, TCommandOutput& out)> Run;
};

// Wrong arguments: dxlib prints the command's usage and exits with 2.
class TUsageError : public std::runtime_error {
 public:
  explicit TUsageError(const std::string& message) : std::runtime_error(message) {}
};

// Every registered command, in registration order.
std::vector<TCommand>& Commands();
// The command of that name, or nullptr.
const TCommand* FindCommand(const std::string& name);

struct TCommandRegistrar {
  explicit TCommandRegistrar(TCommand command) { Commands().push_back(std::move(command)); }
};

// Raises TUsageError unless there are exactly `count` arguments.
void RequireArguments(const std::vector<std::string>& args, size_t count);
