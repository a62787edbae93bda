#include "platform/headless_host.h"

#include <stdexcept>

#include "forms/containers.h"
#include "forms/list_controls.h"
#include "forms/text_controls.h"
#include "media/surface.h"
#include "platform/file_filter.h"
#include "platform/menu_frame.h"

namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

}  // namespace

THeadlessHost::~THeadlessHost() = default;

void THeadlessHost::Attach(TForm& form) { dispatcher_ = std::make_unique<TFormDispatcher>(form, *this); }

TFormDispatcher& THeadlessHost::Dispatcher() {
  if (!dispatcher_) throw std::logic_error("THeadlessHost: no form attached");
  return *dispatcher_;
}

void THeadlessHost::Start() { Dispatcher().Start(); }

void THeadlessHost::Present(bool waitVBlank) { PresentScreen(waitVBlank); }

void THeadlessHost::PresentScreen(bool waitVBlank) {
  ++presentCount_;
  lastWaitVBlank_ = waitVBlank;
  if (dispatcher_ && dispatcher_->Form().ShowingDrawArea() && display_ && !display_->Empty()) {
    frameWidth_ = display_->Width();
    frameHeight_ = display_->Height();
    frameFormat_ = display_->PixelFormat();
    frame_.assign(display_->Bits(), display_->Bits() + static_cast<size_t>(frameWidth_) * frameHeight_);
    return;
  }
  frameWidth_ = kScreenWidth;
  frameHeight_ = kScreenHeight;
  if (display_) frameFormat_ = display_->PixelFormat();
  if (dispatcher_) {
    ComposeMenuFrame(dispatcher_->Form(), frameWidth_, frameHeight_, frameFormat_, frame_);
  } else {
    frame_.assign(static_cast<size_t>(frameWidth_) * frameHeight_, 0);
  }
}

TPoint THeadlessHost::CursorPos() { return dispatcher_ ? dispatcher_->MousePos() : TPoint{}; }

void THeadlessHost::ProcessMessages() {
  Pump();
  PresentScreen(false);
}

void THeadlessHost::ShowMessage(const std::string& text) { messages_.push_back(text); }

bool THeadlessHost::AnswerDialog(TFileDialog& dialog) {
  dialogs_.push_back(dialog);
  if (answers_.empty()) return false;
  std::optional<std::string> answer = std::move(answers_.front());
  answers_.pop_front();
  if (!answer) return false;
  dialog.FileName = WithDefaultExt(*answer, dialog.DefaultExt);
  return true;
}

void THeadlessHost::Queue(TInput input) { inputs_.push_back(std::move(input)); }

void THeadlessHost::Click(const std::string& controlName) {
  TInput in;
  in.Kind = TInput::TKind::Click;
  in.Name = controlName;
  Queue(std::move(in));
}

void THeadlessHost::ClickAt(int x, int y) { QueuePoint(TInput::TKind::ClickAt, TMouseButton::Left, x, y); }

void THeadlessHost::KeyDown(int key, TShiftState shift) { QueueKey(TInput::TKind::KeyDown, key, shift); }

void THeadlessHost::KeyUp(int key, TShiftState shift) { QueueKey(TInput::TKind::KeyUp, key, shift); }

void THeadlessHost::PressKey(int key, TShiftState shift) {
  KeyDown(key, shift);
  KeyUp(key, shift);
}

void THeadlessHost::MouseMove(int x, int y) { QueuePoint(TInput::TKind::MouseMove, TMouseButton::Left, x, y); }

void THeadlessHost::MouseDown(TMouseButton button, int x, int y) {
  QueuePoint(TInput::TKind::MouseDown, button, x, y);
}

void THeadlessHost::MouseUp(TMouseButton button, int x, int y) { QueuePoint(TInput::TKind::MouseUp, button, x, y); }

void THeadlessHost::TypeText(const std::string& editName, const std::string& text) {
  QueueNamed(TInput::TKind::TypeText, editName, text, 0);
}

void THeadlessHost::SetEditText(const std::string& editName, const std::string& text) {
  QueueNamed(TInput::TKind::SetText, editName, text, 0);
}

void THeadlessHost::SelectItem(const std::string& listName, int index) {
  QueueNamed(TInput::TKind::SelectItem, listName, "", index);
}

void THeadlessHost::SelectTab(const std::string& tabsName, int index) {
  QueueNamed(TInput::TKind::SelectTab, tabsName, "", index);
}

void THeadlessHost::SetActive(bool active) {
  TInput in;
  in.Kind = TInput::TKind::Activate;
  in.Active = active;
  Queue(std::move(in));
}

void THeadlessHost::QueueKey(TInput::TKind kind, int key, TShiftState shift) {
  TInput in;
  in.Kind = kind;
  in.Key = key;
  in.Shift = shift;
  Queue(std::move(in));
}

void THeadlessHost::QueuePoint(TInput::TKind kind, TMouseButton button, int x, int y) {
  TInput in;
  in.Kind = kind;
  in.Button = button;
  in.X = x;
  in.Y = y;
  Queue(std::move(in));
}

void THeadlessHost::QueueNamed(TInput::TKind kind, const std::string& name, const std::string& text, int index) {
  TInput in;
  in.Kind = kind;
  in.Name = name;
  in.Text = text;
  in.Index = index;
  Queue(std::move(in));
}

TControl& THeadlessHost::Named(const std::string& name) {
  TControl* control = Dispatcher().Form().FindControl(name);
  if (!control) throw std::invalid_argument("no control named " + name);
  return *control;
}

template <class T>
static T& As(TControl& control) {
  auto* typed = dynamic_cast<T*>(&control);
  if (!typed) throw std::invalid_argument(control.Name + " is not of the kind this input needs");
  return *typed;
}

// Typing into an edit gives it the keyboard focus, as clicking into it would.
void THeadlessHost::Focus(TEdit& edit) {
  TFormDispatcher& d = Dispatcher();
  if (!d.Modal() && edit.Showing() && edit.EffectivelyEnabled()) d.SetFocused(&edit);
}

void THeadlessHost::Deliver(const TInput& input) {
  TFormDispatcher& d = Dispatcher();
  using K = TInput::TKind;
  switch (input.Kind) {
    case K::Click:
      d.Click(Named(input.Name));
      break;
    case K::ClickAt:
      d.MouseMove(input.X, input.Y);
      if (d.Form().ShowingDrawArea()) {
        d.MouseDown(TMouseButton::Left, input.X, input.Y);
        d.MouseUp(TMouseButton::Left, input.X, input.Y);
      } else if (TControl* control = d.ControlAt(input.X, input.Y)) {
        d.Click(*control);
      }
      break;
    case K::KeyDown:
      d.KeyDown(input.Key, input.Shift);
      break;
    case K::KeyUp:
      d.KeyUp(input.Key, input.Shift);
      break;
    case K::MouseMove:
      d.MouseMove(input.X, input.Y);
      break;
    case K::MouseDown:
      d.MouseDown(input.Button, input.X, input.Y);
      break;
    case K::MouseUp:
      d.MouseUp(input.Button, input.X, input.Y);
      break;
    case K::TypeText: {
      auto& edit = As<TEdit>(Named(input.Name));
      Focus(edit);
      for (char c : input.Text) d.ChangeText(edit, edit.Text() + c);
      break;
    }
    case K::SetText: {
      auto& edit = As<TEdit>(Named(input.Name));
      Focus(edit);
      d.ChangeText(edit, input.Text);
      break;
    }
    case K::SelectItem: {
      TControl& control = Named(input.Name);
      if (auto* combo = dynamic_cast<TComboBox*>(&control)) {
        d.SelectItem(*combo, input.Index);
      } else {
        d.SelectItem(As<TListBox>(control), input.Index);
      }
      break;
    }
    case K::SelectTab:
      d.SelectTab(As<TTabControl>(Named(input.Name)), input.Index);
      break;
    case K::Activate:
      d.SetActive(input.Active);
      break;
  }
}

void THeadlessHost::Pump() {
  // Handlers may queue more input (or pump again); take one at a time.
  while (!inputs_.empty()) {
    TInput input = std::move(inputs_.front());
    inputs_.pop_front();
    Deliver(input);
  }
}

void THeadlessHost::Step() {
  TFormDispatcher& d = Dispatcher();
  if (!d.Started()) d.Start();
  Pump();
  if (d.Form().CloseRequested()) return;
  const int before = presentCount_;
  d.Idle();
  if (presentCount_ == before) PresentScreen(false);
}

int THeadlessHost::Run(int maxSteps) {
  int steps = 0;
  while (steps < maxSteps && !Dispatcher().Form().CloseRequested()) {
    Step();
    ++steps;
  }
  return steps;
}

bool THeadlessHost::RunUntil(const std::function<bool()>& done, int maxSteps, uint32_t stepMs) {
  for (int i = 0; i < maxSteps; ++i) {
    if (done()) return true;
    clock_ += stepMs;
    Step();
  }
  return done();
}

std::vector<int16_t> THeadlessHost::PullAudio(int frames) {
  std::vector<int16_t> samples(static_cast<size_t>(frames > 0 ? frames : 0) * 2, 0);
  if (audio_ && frames > 0) audio_->Mix(samples.data(), frames);
  return samples;
}

TCursorShape THeadlessHost::CurrentCursor() {
  if (screenCursor_ != TCursorShape::Default) return screenCursor_;
  const TPoint p = Dispatcher().MousePos();
  return Dispatcher().CursorAt(p.X, p.Y);
}
