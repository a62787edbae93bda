#include "installed_tree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace install_test {

std::string Prefix() { return std::string(TH_INSTALL_ROOT) + "/prefix/"; }

std::string FreshHome(const std::string& name) {
  const fs::path home = fs::path(TH_INSTALL_ROOT) / name;
  fs::remove_all(home);
  fs::create_directories(home);
  return home.string() + "/";
}

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteText(const std::string& path, const std::string& text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

void CopyFiles(const std::string& from, const std::string& to) {
  fs::create_directories(to);
  for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
    const fs::path copy = fs::path(to) / entry.path().filename();
    fs::copy_file(entry.path(), copy);
    fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
  }
}

std::optional<std::pair<int, int>> PngSize(const std::string& path) {
  const std::string bytes = ReadText(path);
  // The signature, then the IHDR chunk: length, "IHDR", width and height big-endian.
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || bytes.compare(12, 4, "IHDR") != 0) {
    return std::nullopt;
  }
  const auto read32 = [&](size_t at) {
    int value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  return std::pair{read32(16), read32(20)};
}

TScopedVariable::TScopedVariable(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  Set(value);
}

TScopedVariable::~TScopedVariable() { Set(old_ ? old_->c_str() : nullptr); }

void TScopedVariable::Set(const char* value) {
  if (value) {
    setenv(name_, value, 1);
  } else {
    unsetenv(name_);
  }
}

void ExpectDesktopFiles(const std::string& program) {
  const std::string prefix = Prefix();
  const std::string id = "org.tarnhook." + program;
  const std::string entry = ReadText(prefix + "share/applications/" + id + ".desktop");
  EXPECT_NE(entry.find("\nExec=" + program + "\n"), std::string::npos) << program;
  EXPECT_NE(entry.find("\nIcon=" + id + "\n"), std::string::npos) << program;
  EXPECT_TRUE(fs::is_regular_file(prefix + "share/metainfo/" + id + ".metainfo.xml")) << program;
  EXPECT_TRUE(fs::is_regular_file(prefix + "share/man/man6/" + program + ".6.gz")) << program;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const std::string edge = std::to_string(size);
    const auto png = PngSize(prefix + "share/icons/hicolor/" + edge + "x" + edge + "/apps/" + id + ".png");
    EXPECT_EQ(png, std::pair(size, size)) << program << " " << size;
  }
}

}  // namespace install_test
