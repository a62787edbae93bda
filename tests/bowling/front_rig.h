// A rig for the bowling front end: a program folder written by data_fixture and the real main form
// on the headless host, started through its loop.
#pragma once

#include <memory>
#include <string>

#include "bowling/main_form.h"
#include "data_fixture.h"
#include "platform/headless_host.h"

namespace bowling_test {

class TFrontRig {
 public:
  // A folder with the fixture's data and no "bowling.ini".
  explicit TFrontRig(const TFixture& fixture = {});
  ~TFrontRig();

  // Creates the form on the folder and runs its start.
  TMainForm& Start();
  // One pass of the loop, delivering queued input.
  void Step() { host.Step(); }
  // A click on a control by name, delivered.
  void Click(const std::string& name);
  // A key pressed and released, delivered.
  void Key(int key);
  // Whether a sound of one of the form's libraries plays now.
  bool Sounding(TDXWaveList& library, const std::string& name);
  // The text of bowling.ini, "" when there is none.
  std::string Ini() const;

  std::string folder;
  THeadlessHost host;
  std::unique_ptr<TMainForm> form;
};

}  // namespace bowling_test
