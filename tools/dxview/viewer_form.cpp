#include "viewer_form.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "library_view.h"
#include "media/errors.h"
#include "media/pixel_format.h"

namespace {

constexpr int kFrameLeft = 196;
constexpr int kFrameTop = 128;
constexpr int kFrameWidth = 436;
constexpr int kFrameHeight = 280;

bool EndsWith(std::string text, const std::string& suffix) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

TViewerForm::TViewerForm(THost& host, std::string path) : TForm(host, "ViewerForm"), path_(std::move(path)) {
  Caption = "dxview - " + std::filesystem::path(path_).filename().string();
  SetClientSize(640, 480);
  Color = RGB(40, 44, 52);
  KeyPreview = true;
  list_.SetBounds(8, 8, 180, 430);
  list_.OnClick = [this] {
    item_ = list_.ItemIndex();
    pattern_ = 0;
    ShowItem();
  };
  properties_.SetBounds(kFrameLeft, 8, kFrameWidth, 112);
  properties_.Font.Height = 12;
  frame_.SetBounds(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
  frame_.Color = RGB(24, 24, 28);
  frame_.Bevel = false;
  pattern_image_.Stretch = true;
  AddButton("previtem", "Item -", nullptr).OnClick = [this] { StepItem(-1); };
  AddButton("nextitem", "Item +", nullptr).OnClick = [this] { StepItem(1); };
  AddButton("prevpattern", "Pattern -", nullptr).OnClick = [this] { StepPattern(-1); };
  AddButton("nextpattern", "Pattern +", nullptr).OnClick = [this] { StepPattern(1); };
  AddButton("show", "Show", nullptr).OnClick = [this] { sounds_ ? PlaySelected() : EnterDeviceView(); };
  AddButton("stop", "Stop", &TViewerForm::StopAll);
  AddButton("quit", "Quit", nullptr).OnClick = [this] { Close(); };
  help_.SetBounds(8, 462, 624, 16);
  help_.Font.Color = RGB(200, 200, 200);
  area_.SetBounds(0, 0, 640, 480);
  area_.Hide();
  timer_.SetInterval(100);
  timer_.OnTimer = [this](int) { DXTimerTimer(); };
}

TButton& TViewerForm::AddButton(const std::string& name, const std::string& caption,
                                void (TViewerForm::*action)()) {
  TButton& button = Add<TButton>(name);
  button.SetBounds(kFrameLeft, 416, 58, 24);  // Layout puts them side by side
  button.Caption = caption;
  if (action) button.OnClick = [this, action] { (this->*action)(); };
  return button;
}

void TViewerForm::FormCreate() {
  // A sound library by its extension; anything else is read as an image library.
  sounds_ = EndsWith(path_, ".dxw");
  if (sounds_) {
    waves_.Items.ReadFromFile(path_);
  } else {
    images_.Items.ReadFromFile(path_);
  }
  for (int i = 0; i < ItemCount(); ++i) {
    list_.Add(sounds_ ? waves_.Items.Items(i).Name() : images_.Items.Items(i).Name());
  }
  Layout();
  ShowItem();
}

void TViewerForm::FormShow() {
  if (sounds_) dxSound_.Initialize();
}

void TViewerForm::Layout() {
  help_.Caption = sounds_ ? "Up/Down: sound   Space/Enter: play   S: stop   Esc: quit"
                          : "Up/Down: item   Left/Right: pattern   Enter: full screen   A: animate   Esc: back/quit";
  for (const char* name : {"prevpattern", "nextpattern"}) FindControl(name)->Visible = !sounds_;
  frame_.Visible = !sounds_;
  FindControl("show")->Caption = sounds_ ? "Play" : "Show";
  FindControl("stop")->Visible = sounds_;
  // The buttons that apply to this kind of library, side by side under the picture.
  int left = kFrameLeft;
  for (const char* name : {"previtem", "nextitem", "prevpattern", "nextpattern", "show", "stop", "quit"}) {
    TControl& button = *FindControl(name);
    if (!button.Visible) continue;
    button.Left = left;
    left += button.Width + 4;
  }
}

int TViewerForm::ItemCount() const { return sounds_ ? waves_.Items.Count() : images_.Items.Count(); }

void TViewerForm::ShowItem() {
  properties_.Lines.clear();
  if (ItemCount() == 0) {
    properties_.Lines.push_back(path_ + ": the library holds no items.");
    pattern_image_.SetPicture(TPicture{});
    return;
  }
  item_ = std::clamp(item_, 0, ItemCount() - 1);
  list_.SetItemIndex(item_);
  properties_.Lines.push_back(Fmt("Item %d of %d", item_ + 1, ItemCount()));
  if (sounds_) {
    for (const std::string& line : DescribeSound(waves_.Items.Items(item_))) properties_.Lines.push_back(line);
    return;
  }
  TPictureCollectionItem& item = images_.Items.Items(item_);
  const int total = item.PatternTotal();
  pattern_ = total > 0 ? (pattern_ % total + total) % total : 0;
  for (const std::string& line : DescribeImage(item, pattern_)) properties_.Lines.push_back(line);
  TPicture picture = PatternPicture(item, pattern_);
  // Small patterns are enlarged by a whole factor (up to 4); large ones shrink to fit.
  double scale = 1;
  if (!picture.Empty()) {
    scale = std::min(static_cast<double>(kFrameWidth - 8) / picture.Width,
                     static_cast<double>(kFrameHeight - 8) / picture.Height);
    if (scale >= 1) scale = std::min(4.0, std::floor(scale));
  }
  const int w = static_cast<int>(picture.Width * scale);
  const int h = static_cast<int>(picture.Height * scale);
  pattern_image_.SetBounds((kFrameWidth - w) / 2, (kFrameHeight - h) / 2, w, h);
  pattern_image_.SetPicture(std::move(picture));
}

void TViewerForm::StepItem(int delta) {
  if (ItemCount() == 0) return;
  item_ = std::clamp(item_ + delta, 0, ItemCount() - 1);
  pattern_ = 0;
  ShowItem();
}

void TViewerForm::StepPattern(int delta) {
  if (sounds_ || ItemCount() == 0) return;
  pattern_ += delta;
  ShowItem();
}

void TViewerForm::PlaySelected() {
  if (!sounds_ || ItemCount() == 0) return;
  waves_.Items.Items(item_).Play(false);
}

void TViewerForm::StopAll() {
  for (int i = 0; i < waves_.Items.Count(); ++i) waves_.Items.Items(i).Stop();
}

void TViewerForm::EnterDeviceView() {
  if (sounds_ || ItemCount() == 0 || area_.Visible) return;
  area_.Show();
  try {
    dxDraw_.Initialize();
  } catch (...) {
    area_.Hide();
    throw;
  }
  timer_.SetEnabled(true);
  DXTimerTimer();
}

void TViewerForm::LeaveDeviceView() {
  if (!area_.Visible) return;
  timer_.SetEnabled(false);
  animate_ = false;
  dxDraw_.Finalize();
  area_.Hide();
  ShowItem();
}

void TViewerForm::ScriptScreenshot(std::function<void()> capture, bool deviceView) {
  capture_ = std::move(capture);
  shotDevice_ = deviceView;
  script_.ActiveOnly = false;
  script_.SetInterval(150);
  script_.OnTimer = [this](int) { ScriptStep(); };
  script_.SetEnabled(true);
}

// Entering the full-screen view starts its own timer, which takes the idle slot; its ticks carry
// the script on from there.
void TViewerForm::ScriptStep() {
  ++shotStep_;
  if (shotStep_ == 2 && shotDevice_) EnterDeviceView();
  if (shotStep_ == 4) capture_();
  if (shotStep_ == 6) Close();
}

void TViewerForm::DXTimerTimer() {
  if (capture_) ScriptStep();
  if (!dxDraw_.ReadyToDraw()) return;
  TDirectDrawSurface& surface = *dxDraw_.Surface();
  surface.Fill(PackRGB(40, 44, 52, surface.PixelFormat()));
  TPictureCollectionItem& item = images_.Items.Items(item_);
  const int total = std::max(item.PatternTotal(), 1);
  if (animate_) pattern_ = (pattern_ + 1) % total;
  item.Draw(surface, (surface.Width() - item.Width()) / 2, (surface.Height() - item.Height()) / 2, pattern_);
  dxDraw_.Flip();
}

void TViewerForm::FormKeyDown(int key, TShiftState) {
  switch (key) {
    case VK_UP: StepItem(-1); break;
    case VK_DOWN: StepItem(1); break;
    case VK_PRIOR: StepItem(-10); break;
    case VK_NEXT: StepItem(10); break;
    case VK_HOME: StepItem(-ItemCount()); break;
    case VK_END: StepItem(ItemCount()); break;
    case VK_LEFT: StepPattern(-1); break;
    case VK_RIGHT: StepPattern(1); break;
    case 'A': animate_ = !animate_ && area_.Visible; break;
    case 'S': StopAll(); break;
    case VK_SPACE: PlaySelected(); break;
    case VK_RETURN: sounds_ ? PlaySelected() : EnterDeviceView(); break;
    case VK_ESCAPE:
      if (area_.Visible) {
        LeaveDeviceView();
      } else {
        Close();
      }
      break;
    default: break;
  }
}

void TViewerForm::DXDrawMouseDown(TMouseButton, int, int) { LeaveDeviceView(); }
