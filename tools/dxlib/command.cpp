#include "tools/dxlib/command.h"

#include <algorithm>
#include <cstdarg>

std::vector<TCommand>& Commands() {
  static std::vector<TCommand> commands;
  return commands;
}

const TCommand* FindCommand(const std::string& name) {
  const auto& commands = Commands();
  const auto found = std::find_if(commands.begin(), commands.end(),
                                  [&](const TCommand& c) { return c.Name == name; });
  return found == commands.end() ? nullptr : &*found;
}

void RequireArguments(const std::vector<std::string>& args, size_t count) {
  if (args.size() != count) throw TUsageError("wrong number of arguments");
}

void TCommandOutput::Print(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  Write(text);
}

void TCommandOutput::Write(const std::string& text) {
  if (stream_) {
    std::fwrite(text.data(), 1, text.size(), stream_);
  } else {
    text_ += text;
  }
}
