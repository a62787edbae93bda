// The dxview window. An image library: the item list, the item's properties and the current
// pattern; Enter shows the pattern full screen through the drawing device, where A animates the
// patterns. A sound library: the item list and properties; Space or Enter plays, S stops.
// Keys: Up/Down item, Left/Right pattern, Home/End first/last item, Escape back or quit.
#pragma once

#include <functional>
#include <string>

#include "forms/controls.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_sound.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"

class TViewerForm : public TForm {
 public:
  TViewerForm(THost& host, std::string path);

  void FormCreate() override;
  void FormShow() override;
  void FormKeyDown(int key, TShiftState shift) override;
  void DXDrawMouseDown(TMouseButton button, int x, int y) override;

  bool SoundLibrary() const { return sounds_; }
  int ItemIndex() const { return item_; }
  int PatternIndex() const { return pattern_; }
  bool DeviceView() const { return area_.Visible; }

  // Runs a short script for a screenshot: after the first screens (and, with deviceView, in the
  // full-screen view) calls capture, then closes the window.
  void ScriptScreenshot(std::function<void()> capture, bool deviceView);

  // The actions behind the keys and buttons.
  void StepItem(int delta);
  void StepPattern(int delta);
  void PlaySelected();
  void StopAll();
  void EnterDeviceView();
  void LeaveDeviceView();

 private:
  int ItemCount() const;
  void ShowItem();
  void DXTimerTimer();
  void ScriptStep();
  void Layout();
  TButton& AddButton(const std::string& name, const std::string& caption, void (TViewerForm::*action)());

  std::string path_;
  bool sounds_ = false;
  int item_ = 0;
  int pattern_ = 0;
  bool animate_ = false;
  TDXDraw dxDraw_{&Application()};
  TDXImageList images_{&dxDraw_};
  TDXSound dxSound_{&Application()};
  TDXWaveList waves_{&dxSound_};
  TDXTimer timer_{Application(), false};
  TDXTimer script_{Application(), false};
  std::function<void()> capture_;
  bool shotDevice_ = false;
  int shotStep_ = 0;

  TListBox& list_ = Add<TListBox>("items");
  TMemo& properties_ = Add<TMemo>("properties");
  TPanel& frame_ = Add<TPanel>("frame");
  TImage& pattern_image_ = Add<TImage>("pattern", &frame_);
  TLabel& help_ = Add<TLabel>("help");
  TDrawArea& area_ = Add<TDrawArea>("DXDraw");
};
