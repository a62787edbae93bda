#include "front_rig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "media/mixer.h"
#include "media/wave_collection.h"
#include "tests/support/sounding.h"

namespace bowling_test {

TFrontRig::TFrontRig(const TFixture& fixture)
    : folder(FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name())) {
  WriteProgramFolder(folder, fixture);
}

TFrontRig::~TFrontRig() { form.reset(); }

TMainForm& TFrontRig::Start() {
  form = std::make_unique<TMainForm>(host, folder);
  host.Attach(*form);
  host.Start();
  return *form;
}

void TFrontRig::Click(const std::string& name) {
  host.Click(name);
  host.Step();
}

void TFrontRig::Key(int key) {
  host.PressKey(key);
  host.Step();
}

bool TFrontRig::Sounding(TDXWaveList& library, const std::string& name) {
  return ::Sounding(library.Items, name);
}

std::string TFrontRig::Ini() const {
  std::ifstream in(folder + "bowling.ini", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace bowling_test
