#include "fishing/main_form.h"

#include <functional>
#include <memory>

#include "fishing/form_pictures.h"
#include "fishing/lake_catalogue.h"
#include "media/picture_collection.h"

// The pictures the form carries inside the program: "title", "menu", "map" and "portrait". The
// title is made at once; the others when their screen first shows them.
class TFormPictures {
 public:
  TFormPictures() : library_(std::make_shared<TPictureCollection>()) {
    library_->ReadFromLastingBytes(kFormPictures, kFormPicturesSize);
  }
  TPicture Take(const char* name) { return library_->Find(name).Dib().Decode(); }
  // The library stays while a picture still waits to be made.
  std::function<TPicture()> Later(const char* name) {
    return [library = library_, name] { return library->Find(name).Dib().Decode(); };
  }

 private:
  std::shared_ptr<TPictureCollection> library_;
};

namespace {

// Shows or hides every control given.
template <class... TControls>
void SetVisible(bool visible, TControls&... controls) {
  ((controls.Visible = visible), ...);
}

// Sounds of the menus. A library that start-up could not load (already reported then) leaves the
// menus silent instead of raising an error on every click.
void PlaySound(TDXWaveList& library, const char* name) {
  if (library.Items.IndexOf(name) >= 0) library.Items.Find(name).Play();
}

void StopSound(TDXWaveList& library, const char* name) {
  if (library.Items.IndexOf(name) >= 0) library.Items.Find(name).Stop();
}

template <class TPictureOrMaker>
TImage& AddPicture(TForm& form, const char* name, TPictureOrMaker picture, int width, int height) {
  auto& image = form.Add<TImage>(name);
  image.SetBounds(0, 0, width, height);
  image.SetPicture(std::move(picture));
  return image;
}

TCoolButton& AddHotButton(TForm& form, const char* name, int left, int top, int width, int height,
                          const char* hint) {
  auto& button = form.Add<TCoolButton>(name);
  button.SetBounds(left, top, width, height);
  button.Hint = hint;
  return button;
}

TPanel& AddStatus(TForm& form) {
  auto& status = form.Add<TPanel>("status");
  status.SetBounds(88, 376, 441, 41);
  status.Font.Name = "Arial";
  status.Font.Height = 21;
  return status;
}

TGroupBox& AddBox(TForm& form, const char* name, const char* caption, int left, int top, int width,
                  int height) {
  auto& box = form.Add<TGroupBox>(name);
  box.Caption = caption;
  box.SetBounds(left, top, width, height);
  box.Hide();
  return box;
}

TLabel& AddLabel(TForm& form, TControl& parent, const char* name, const char* caption, int left, int top,
                 int width, int height) {
  auto& label = form.Add<TLabel>(name, &parent);
  label.Caption = caption;
  label.SetBounds(left, top, width, height);
  return label;
}

TButton& AddButton(TForm& form, TControl& parent, const char* name, const char* caption, int left, int top,
                   int width, int height) {
  auto& button = form.Add<TButton>(name, &parent);
  button.Caption = caption;
  button.SetBounds(left, top, width, height);
  return button;
}

}  // namespace

// The members are created in declaration order, which is the drawing order of the controls.
TMainForm::TMainForm(THost& host, const std::string& programFolder)
    : TMainForm(host, programFolder, TFormPictures()) {}

TMainForm::TMainForm(THost& host, const std::string& programFolder, TFormPictures&& pictures)
    : TForm(host, "MainForm"),
      image(AddPicture(*this, "image", pictures.Later("menu"), 641, 480)),
      player(AddHotButton(*this, "player", 48, 29, 70, 49, "Player selection and upgrade options.")),
      option(AddHotButton(*this, "option", 134, 29, 73, 49, "Set audio video and controller options.")),
      go(AddHotButton(*this, "go", 223, 29, 89, 49, "Fish for fun or compete.")),
      quit(AddHotButton(*this, "quit", 507, 29, 73, 49, "Exit to desktop.")),
      status(AddStatus(*this)),
      playerPanel(BuildPlayerPanel(*this, pictures.Later("portrait"))),
      optionsPanel(BuildOptionsPanel(*this)),
      lakePanel(BuildLakePanel(*this, pictures.Later("map"))),
      quitbox(AddBox(*this, "quitbox", "Quit Game?", 184, 152, 265, 129)),
      quitText(AddLabel(*this, quitbox, "quittext", "Exit to system desktop?", 12, 38, 241, 20)),
      noquit(AddButton(*this, quitbox, "noquit", "Cancel", 24, 84, 97, 27)),
      okquit(AddButton(*this, quitbox, "okquit", "Ok", 144, 84, 97, 27)),
      loadingbox(AddBox(*this, "loadingbox", "Loading", 120, 160, 393, 97)),
      loading(AddLabel(*this, loadingbox, "loading", "Loading", 24, 40, 345, 24)),
      title(AddPicture(*this, "title", pictures.Take("title"), 640, 480)),
      DXDrawArea(Add<TDrawArea>("DXDraw")),
      paths(TProgramPaths::ForProgram("tarnhook", programFolder, "sound.dxw")),
      DXDraw(&Application()),
      DXSound(&Application()),
      sounds(&DXSound),
      background(&DXSound),
      objects(&DXDraw),
      DXTileList(&DXDraw),
      DXTimer(Application(), false),
      DXCastTimer(Application(), false),
      trip(std::make_unique_for_overwrite<LakeTrip>()),  // the grid stays untouched until a trip
      devices{Application(), DXDraw, objects, DXTileList, sounds, background, DXSound, DXTimer, DXCastTimer,
              random, paths},
      play(*trip, devices, *this) {
  Caption = "Tarnhook";
  SetClientSize(679, 480);
  Color = clBlack;
  KeyPreview = true;
  quitText.Alignment = TAlignment::Center;
  noquit.Cancel = true;
  okquit.Default = true;
  loading.Font.Height = 21;
  DXDrawArea.SetBounds(0, 0, 640, 480);
  DXDrawArea.Hide();
  DXDraw.AutoInitialize = true;
  DXTimer.SetInterval(0);
  DXCastTimer.SetInterval(15);
  WireHandlers();
}

TMainForm::~TMainForm() {
  // The device goes with the window: play's clean-up still finds every component alive.
  DXDraw.Finalize();
  DXSound.Finalize();
  DXDraw.OnInitialize = nullptr;
  DXDraw.OnFinalize = nullptr;
}

void TMainForm::WireHandlers() {
  title.OnClick = [this] { titleClick(); };
  player.OnClick = [this] { playerClick(); };
  option.OnClick = [this] { optionClick(); };
  go.OnClick = [this] { showgoClick(); };
  quit.OnClick = [this] { quitClick(); };
  noquit.OnClick = [this] { noquitClick(); };
  okquit.OnClick = [this] { okquitClick(); };

  optionsPanel.soundon.OnClick = [this] { soundonClick(); };
  optionsPanel.soundoff.OnClick = [this] { soundonClick(); };
  optionsPanel.defaultButton.OnClick = [this] { defaultClick(); };
  optionsPanel.apply.OnClick = [this] { applyClick(); };

  playerPanel.playername.OnChange = [this] { playernameChange(); };
  playerPanel.playertab.OnChange = [this] { playertabTabChanged(); };
  playerPanel.savebutton.OnClick = [this] { savebuttonClick(); };
  playerPanel.loadbutton.OnClick = [this] { loadbuttonClick(); };
  playerPanel.uplures.OnClick = [this] { upluresClick(); };
  playerPanel.uprod.OnClick = [this] { uprodClick(); };
  playerPanel.upboat.OnClick = [this] { upboatClick(); };

  lakePanel.lakes.OnClick = [this] { lakesClick(); };
  lakePanel.showgo.OnClick = [this] { play.goClick(); };

  DXDraw.OnInitialize = [this] { DXDrawInitialize(); };
  DXDraw.OnFinalize = [this] { DXDrawFinalize(); };
  DXTimer.OnTimer = [this](int lagCount) { play.DXTimerTimer(lagCount); };
  DXCastTimer.OnTimer = [this](int lagCount) { play.DXCastTimerTimer(lagCount); };
}

std::string StatusText(const std::string& playerName, int32_t cash) {
  return playerName + "    Cash: $" + std::to_string(cash);
}

void TMainForm::UpdateStatus() { status.Caption = StatusText(playerPanel.playername.Text(), trip->cash); }

void TMainForm::FormCreate() {
  random.Randomize(Host().WallClock());
  SetVisible(false, image, optionsPanel.options, option, playerPanel.players, player, lakePanel.tarnhook, status, go, quit);
  title.SetBounds(0, 0, 640, 480);
  title.Show();

  trip->cash = 50;
  trip->lakesOpen = 2;
  trip->bodyImage = "fishguy";
  trip->bodyLift = 0;
  trip->boatImage = "boat1";
  trip->lastFish = 128;
  trip->lastMonster = 10;
  trip->Biggest = 12;
  trip->Difficulty = 10;
  trip->entryFee = 0;
  trip->prizeMoney = 0;
  trip->limit = 6;
  trip->winIf = 1;
  UpdateStatus();

  sounds.Items.ReadFromFile(paths.Find("sound.dxw"));
  background.Items.ReadFromFile(paths.Find("music.dxw"));
  ReadOptions(TIniFile(paths.FindOwnFile(kOptionsFile)), optionsPanel);
  FillLakeList();
  lakePanel.lakes.SetItemIndex(0);
}

void TMainForm::FormShow() { DXDraw.FormShown(); }

void TMainForm::FormKeyDown(int key, TShiftState shift) {
  (void)shift;
  play.FormKeyDown(key);
}

void TMainForm::FormKeyUp(int key, TShiftState shift) {
  (void)shift;
  play.FormKeyUp(key);
}

void TMainForm::DXDrawMouseDown(TMouseButton button, int x, int y) { play.DXDrawMouseDown(button, x, y); }

void TMainForm::DXDrawMouseUp(TMouseButton button, int x, int y) {
  (void)x, (void)y;
  play.DXDrawMouseUp(button);
}

void TMainForm::DXDrawMouseMove(int x, int y) { play.DXDrawMouseMove(x, y); }

void TMainForm::DXDrawInitialize() {
  play.ResetForDevice();
  UpdateStatus();
  if (optionsPanel.soundon.Checked()) DXSound.Initialize();
  if (title.Visible && optionsPanel.bgsound.Checked()) PlaySound(background, "music");
}

void TMainForm::DXDrawFinalize() { play.DXDrawFinalize(); }

void TMainForm::titleClick() {
  quitbox.Hide();
  StopSound(background, "music");
  title.Hide();
  SetVisible(true, image, playerPanel.players, player, status, option, go, quit);
}

void TMainForm::playerClick() {
  quitbox.Hide();
  PlaySound(sounds, "cast");
  lakePanel.tarnhook.Hide();
  optionsPanel.options.Hide();
  playerPanel.players.SetPosition(48, 96);
  playerPanel.players.Show();
}

void TMainForm::optionClick() {
  quitbox.Hide();
  PlaySound(sounds, "cast");
  playerPanel.players.Hide();
  lakePanel.tarnhook.Hide();
  optionsPanel.options.SetPosition(48, 96);
  optionsPanel.options.Show();
}

void TMainForm::showgoClick() {
  quitbox.Hide();
  PlaySound(sounds, "cast");
  playerPanel.players.Hide();
  optionsPanel.options.Hide();
  lakePanel.tarnhook.SetPosition(48, 96);
  lakePanel.tarnhook.Show();
}

void TMainForm::quitClick() {
  PlaySound(sounds, "cast");
  quitbox.Show();
}

void TMainForm::noquitClick() { quitbox.Hide(); }

void TMainForm::okquitClick() { Close(); }

bool TMainForm::MouseDrive() const { return optionsPanel.mousedrive.Checked(); }
int TMainForm::GameSpeedIndex() const { return optionsPanel.speed.ItemIndex(); }
bool TMainForm::PageFlipping() const { return optionsPanel.flip.Checked(); }
bool TMainForm::BackgroundSounds() const { return optionsPanel.bgsound.Checked(); }
bool TMainForm::SoundOn() const { return optionsPanel.soundon.Checked(); }
int TMainForm::LuresLevel() const { return playerPanel.luresbar.Position(); }
int TMainForm::RodLevel() const { return playerPanel.rodbar.Position(); }
int TMainForm::BoatLevel() const { return playerPanel.boatbar.Position(); }
std::string TMainForm::SelectedLakeName() const { return lakePanel.lakes.Selected(); }

void TMainForm::ShowLoadingBox() {
  loadingbox.SetPosition(120, 160);
  loadingbox.Show();
}

void TMainForm::HideLoadingBox() { loadingbox.Hide(); }
void TMainForm::AppendLoadingDot() { loading.Caption += "."; }
void TMainForm::ResetLoadingLabel() { loading.Caption = "Loading."; }

void TMainForm::HideMenu() {
  SetVisible(false, image, optionsPanel.options, option, playerPanel.players, player, lakePanel.tarnhook, status, go, quit, quitbox, loadingbox);
}

void TMainForm::ShowDrawArea(bool visible) {
  DXDrawArea.SetBounds(0, 0, ClientWidth(), ClientHeight());
  DXDrawArea.Visible = visible;
}

void TMainForm::SetPlayCursor(bool hidden) {
  DXDrawArea.Cursor = hidden ? TCursorShape::None : TCursorShape::Default;
}

void TMainForm::ShowMenuAfterTrip() {
  SetVisible(true, image, option, player, lakePanel.tarnhook, status, go, quit);
}

void TMainForm::RefillLakeList() {
  // The lake just fished stays chosen, so "Fish This Lake" goes on meaning the lake on show.
  const std::string selected = lakePanel.lakes.Selected();
  FillLakeList();
  const auto& items = lakePanel.lakes.Items();
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] == selected) {
      lakePanel.lakes.SetItemIndex(static_cast<int>(i));
      break;
    }
  }
}

void TMainForm::ShowMessage(const std::string& text) { Host().ShowMessage(text); }

bool TMainForm::Closing() const { return CloseRequested(); }
