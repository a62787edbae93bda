// An environment variable set (or removed, with nullptr) for a test's length, so that a test can
// pick SDL's drivers for itself before SDL reads them.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

class TScopedEnv {
 public:
  TScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~TScopedEnv() { Set(old_ ? old_->c_str() : nullptr); }
  TScopedEnv(const TScopedEnv&) = delete;
  TScopedEnv& operator=(const TScopedEnv&) = delete;

  void Set(const char* value) {
    if (value) {
      setenv(name_, value, 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};
