#include "media/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "media/errors.h"

namespace fs = std::filesystem;

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("ini_file_test_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    path_ = (folder_ / "tarnhook.ini").string();
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all);
    fs::remove_all(folder_);
  }

  void Put(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string Get() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  size_t FilesInFolder() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }

  fs::path folder_;
  std::string path_;
};

TEST_F(IniFileTest, MissingFileOrKeyGivesTheDefault) {
  TIniFile ini(path_);
  EXPECT_EQ(ini.ReadString("Tarnhook", "name", "Player"), "Player");
  EXPECT_EQ(ini.ReadInteger("Tarnhook", "speed", 2), 2);
  EXPECT_TRUE(ini.ReadBool("Tarnhook", "mousedrive", true));
  Put("[Tarnhook]\nflip=1\n");
  EXPECT_EQ(ini.ReadInteger("Tarnhook", "speed", 2), 2);
  EXPECT_EQ(ini.ReadInteger("Other", "flip", 7), 7);
}

TEST_F(IniFileTest, NamesIgnoreCaseAndValuesAreTrimmed) {
  Put("; options\r\n[TarnHook]\r\n  Speed =  1  \r\nName=\"  Big Al \"\r\n[\xC9t\xE9]\r\nK=v\r\n");
  TIniFile ini(path_);
  EXPECT_EQ(ini.ReadInteger("tarnhook", "SPEED", 2), 1);
  EXPECT_EQ(ini.ReadString(" TARNHOOK ", "name", ""), "  Big Al ");
  EXPECT_EQ(ini.ReadString("\xE9T\xC9", "k", ""), "v");  // Windows-1252 accented letters
}

TEST_F(IniFileTest, FirstSectionAndKeyWin) {
  Put("[A]\nx=1\nx=2\n[B]\ny=3\n[a]\nx=4\nz=5\n");
  TIniFile ini(path_);
  EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
  EXPECT_EQ(ini.ReadInteger("A", "z", 0), 5);
  ini.WriteInteger("A", "x", 9);
  ini.WriteInteger("A", "w", 8);
  EXPECT_EQ(Get(), "[A]\nx=9\nx=2\nw=8\n[B]\ny=3\n[a]\nx=4\nz=5\n");
}

TEST_F(IniFileTest, IntegersInDecimalAndHexAndUnreadableOnesGiveTheDefault) {
  Put("[N]\na=-42\nb=$1F\nc=0x1f\nd=0XFF\ne=$FFFFFFFF\nf=2147483647\ng=-2147483648\n"
      "h=2147483648\ni=12abc\nj=\nk=$\nl=0x\nm=$100000000\nn=1.5\no=+7\np=- 3\n");
  TIniFile ini(path_);
  EXPECT_EQ(ini.ReadInteger("N", "a", 0), -42);
  EXPECT_EQ(ini.ReadInteger("N", "b", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "c", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "d", 0), 255);
  EXPECT_EQ(ini.ReadInteger("N", "e", 0), -1);
  EXPECT_EQ(ini.ReadInteger("N", "f", 0), 2147483647);
  EXPECT_EQ(ini.ReadInteger("N", "g", 0), -2147483647 - 1);
  EXPECT_EQ(ini.ReadInteger("N", "o", 0), 7);
  for (const char* key : {"h", "i", "j", "k", "l", "m", "n", "p"}) {
    EXPECT_EQ(ini.ReadInteger("N", key, 77), 77) << key;
  }
  EXPECT_TRUE(ini.ReadBool("N", "a", false));
  EXPECT_TRUE(ini.ReadBool("N", "i", true));  // not a number: the default
  EXPECT_FALSE(ini.ReadBool("N", "i", false));
}

TEST_F(IniFileTest, ValuesReadAsAtMost2047Characters) {
  const std::string longValue(3000, 'v');
  TIniFile ini(path_);
  ini.WriteString("S", "long", longValue);
  EXPECT_EQ(ini.ReadString("S", "long", ""), longValue.substr(0, 2047));
  EXPECT_NE(Get().find(longValue), std::string::npos);  // written whole
}

TEST_F(IniFileTest, AWriteChangesOnlyItsOwnLine) {
  const std::string before =
      "stray=before any section\r\n; comment\r\n[Tarnhook]\r\nflip = 0\r\nodd line\r\n"
      "#note\r\n\r\n[Lake Data]\r\nfee=5";
  Put(before);
  TIniFile ini(path_);
  ini.WriteBool("TARNHOOK", "Flip", true);
  std::string expected = before;
  expected.replace(expected.find("flip = 0"), 8, "flip = 1");
  EXPECT_EQ(Get(), expected);

  ini.WriteInteger("Tarnhook", "speed", 1);  // added after the section's last key
  expected.insert(expected.find("flip = 1") + 8, "\r\nspeed=1");
  EXPECT_EQ(Get(), expected);

  ini.WriteString("lake data", "prize", "100");  // last line had no line end
  expected += "\r\nprize=100\r\n";
  EXPECT_EQ(Get(), expected);

  ini.WriteBool("Sound", "on", false);
  expected += "\r\n[Sound]\r\non=0\r\n";
  EXPECT_EQ(Get(), expected);
  EXPECT_EQ(ini.ReadString("Tarnhook", "stray", "-"), "-");
  EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left behind
}

TEST_F(IniFileTest, WritesCreateTheFileAndOtherObjectsSeeThem) {
  TIniFile writer(path_);
  const TIniFile reader(path_);
  writer.WriteString("Tarnhook", "name", "Al");
  writer.WriteBool("Tarnhook", "bgsound", false);
  EXPECT_EQ(Get(), "[Tarnhook]\r\nname=Al\r\nbgsound=0\r\n");
  EXPECT_EQ(reader.ReadString("tarnhook", "NAME", ""), "Al");
  EXPECT_FALSE(reader.ReadBool("Tarnhook", "bgsound", true));
  writer.WriteString("Tarnhook", "name", "");
  EXPECT_EQ(reader.ReadString("Tarnhook", "name", "x"), "");
}

TEST_F(IniFileTest, NastyFilesReadWithoutHarm) {
  TIniFile ini(path_);
  Put("[S]\nk=" + std::string(100000, 'x') + "\nafter=1\n");
  EXPECT_EQ(ini.ReadString("S", "k", "").size(), 2047u);
  EXPECT_EQ(ini.ReadInteger("S", "after", 0), 1);
  Put("[S]\n" + std::string(100000, ' ') + "late=1\n");  // '=' beyond the parsed 64 KiB
  EXPECT_EQ(ini.ReadInteger("S", "late", 0), 0);
  Put("k=1\n[S]\nk=2\n[");
  EXPECT_EQ(ini.ReadInteger("S", "k", 0), 2);
  ini.WriteInteger("S", "k", 3);
  EXPECT_EQ(Get(), "k=1\n[S]\nk=3\n[");
  ini.WriteInteger("", "e", 4);  // the unnamed section the lone '[' opened
  EXPECT_EQ(Get(), "k=1\n[S]\nk=3\n[\ne=4\n");
  Put(std::string("[S]\nk=\0\x01\xff\n", 10));
  EXPECT_EQ(ini.ReadInteger("S", "k", 5), 5);
}

TEST_F(IniFileTest, WritesThatCannotBeStoredFailAndKeepTheFile) {
  Put("[S]\nk=1\n");
  TIniFile ini(path_);
  for (const auto& [section, key, value] :
       {std::tuple<std::string, std::string, std::string>{"S", "k", "1\n[X]"}, {"S", "a=b", "1"},
        {"S]", "k", "1"}, {"S", " ", "1"}, {"S", "[k", "1"}}) {
    try {
      ini.WriteString(section, key, value);
      ADD_FAILURE() << "written: " << key;
    } catch (const EIniFileException& error) {
      EXPECT_EQ(error.Message(), "Unable to write to " + path_);
    }
  }
  EXPECT_EQ(Get(), "[S]\nk=1\n");
  const std::string missingFolder = (folder_ / "gone" / "x.ini").string();
  EXPECT_THROW(TIniFile(missingFolder).WriteInteger("S", "k", 1), EIniFileException);
}

TEST_F(IniFileTest, UnwritableFolderRaisesAndKeepsTheOldFile) {
  Put("[S]\nk=1\n");
  ::chmod(folder_.c_str(), 0555);
  // Root writes anywhere, so the write runs in a child that gives up root.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(2);
    try {
      TIniFile(path_).WriteInteger("S", "k", 2);
    } catch (const EIniFileException& error) {
      ::_exit(error.Message() == "Unable to write to " + path_ ? 0 : 3);
    }
    ::_exit(4);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(Get(), "[S]\nk=1\n");
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(IniFileTest, ReplacingKeepsPermissionsAndFollowsLinks) {
  Put("[S]\nk=1\n");
  ::chmod(path_.c_str(), 0640);
  const fs::path link = folder_ / "link.ini";
  fs::create_symlink(path_, link);
  TIniFile(link.string()).WriteInteger("S", "k", 2);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Get(), "[S]\nk=2\n");
  EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
