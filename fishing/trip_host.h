// What a trip needs from the form around it: the options and gear as the menus hold them, and the
// menu changes that starting and ending a trip make. The main form implements it; tests may fake it.
#pragma once

#include <string>

class TTripHost {
 public:
  virtual ~TTripHost() = default;

  // Options and gear, read at the moment they are used.
  virtual bool MouseDrive() const = 0;         // "Mouse Drive" selected (otherwise "Key Drive")
  virtual int GameSpeedIndex() const = 0;      // 0 "30FPS", 1 "60FPS", 2 "As fast as possible"
  virtual bool PageFlipping() const = 0;       // "Page Flipping"
  virtual bool BackgroundSounds() const = 0;   // "Background Sounds"
  virtual bool SoundOn() const = 0;            // "Sound ON"
  virtual int LuresLevel() const = 0;          // 0..4
  virtual int RodLevel() const = 0;            // 0..4
  virtual int BoatLevel() const = 0;           // 0..3
  virtual std::string SelectedLakeName() const = 0;  // the lake list's selected entry ("" if none)

  // Menu changes.
  virtual void ShowLoadingBox() = 0;           // loading box moved to (120, 160) and shown
  virtual void HideLoadingBox() = 0;           // loading box hidden (a lake that failed to load)
  virtual void AppendLoadingDot() = 0;         // "." appended to the loading label
  virtual void ResetLoadingLabel() = 0;        // label back to "Loading."
  virtual void HideMenu() = 0;                 // image, options, option, players, player, tarnhook,
                                               // status, go, quit, quitbox, loadingbox hidden
  virtual void ShowDrawArea(bool visible) = 0; // the drawing device aligned to the window, shown/hidden
  virtual void SetPlayCursor(bool hidden) = 0; // pointer hidden over the device, or the default one
  virtual void ShowMenuAfterTrip() = 0;        // image, option, player, tarnhook, status, go, quit shown
  virtual void RefillLakeList() = 0;           // lakes 1..lakesOpen from the catalogue
  virtual void UpdateStatus() = 0;             // name + "    Cash: $" + cash
  virtual void ShowMessage(const std::string& text) = 0;  // modal message box
  virtual bool Closing() const = 0;            // the window is closing: modal waits must end
};
