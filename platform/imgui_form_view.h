// Draws a form's showing controls with ImGui, each at its pixel position on the 640 x 480 canvas,
// in tree order (a later sibling on top). What the player does to a widget becomes an action that
// the host applies through the dispatcher after the frame, so no handler runs while ImGui builds
// a frame (a handler may open a dialog, which draws frames of its own).
//
// ImGui gives the first widget under the pointer the hover, but the forms put later siblings on
// top; so the view asks the form which control is topmost under the pointer and disables the
// widgets of any other control there for that frame.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/controls.h"

struct SDL_Renderer;
struct SDL_Texture;
struct ImFont;
class TFormDispatcher;
class TMenuFonts;

class TImGuiFormView : public TControlVisitor {
 public:
  using TAction = std::function<void(TFormDispatcher&)>;

  TImGuiFormView(SDL_Renderer* renderer, const TMenuFonts& fonts) : renderer_(renderer), fonts_(fonts) {}
  ~TImGuiFormView() override;
  TImGuiFormView(const TImGuiFormView&) = delete;
  TImGuiFormView& operator=(const TImGuiFormView&) = delete;

  // Sets the menu theme on the current ImGui context.
  static void ApplyStyle();

  // Draws the form inside the current ImGui window; the player's actions go to actions.
  // uiTime: seconds, for the tooltip delay; hints: false while a box covers the form.
  void Draw(TForm& form, TPoint mouse, double uiTime, bool hints, std::vector<TAction>& actions);
  // The edit the player was typing into during the last Draw, or nullptr.
  TControl* FocusedEdit() const { return focusedEdit_; }
  // Frees the textures made for pictures.
  void ReleaseTextures();

  void Visit(TImage& control) override;
  void Visit(TCoolButton& control) override;
  void Visit(TButton& control) override;
  void Visit(TCheckBox& control) override;
  void Visit(TRadioButton& control) override;
  void Visit(TPanel& control) override;
  void Visit(TGroupBox& control) override;
  void Visit(TTabControl& control) override;
  void Visit(TNotebook& control) override;
  void Visit(TPage& control) override;
  void Visit(TLabel& control) override;
  void Visit(TEdit& control) override;
  void Visit(TMemo& control) override;
  void Visit(TListBox& control) override;
  void Visit(TComboBox& control) override;
  void Visit(TProgressBar& control) override;
  void Visit(TDrawArea& control) override;
  void Visit(TForm& control) override;

 private:
  struct TPictureTexture {
    SDL_Texture* Texture = nullptr;
    uint32_t Version = 0;
  };

  void DrawTree(TControl& control);
  // Sets the font, the disabled state and the hover mask for a control's widgets.
  void Begin(TControl& control);
  void End(TControl& control);
  bool Masked(const TControl& control) const;
  // An invisible button over the control that queues its Click when pressed.
  void ClickArea(TControl& control, const char* id);
  void Tooltip(double uiTime);
  SDL_Texture* PictureTexture(TImage& image);
  ImFont* FontOf(const TControl& control) const;

  SDL_Renderer* renderer_;
  const TMenuFonts& fonts_;
  std::map<const TImage*, TPictureTexture> textures_;
  std::vector<TAction>* actions_ = nullptr;
  TControl* hit_ = nullptr;
  TPoint mouse_;
  TControl* focusedEdit_ = nullptr;
  // Per control: whether Begin disabled it, to undo the same in End.
  std::vector<int> pushed_;
  TControl* hoverControl_ = nullptr;
  double hoverSince_ = 0;
  // Scroll position of lists and memos, and the selection last scrolled into view.
  struct TScrollState {
    int First = 0;
    int LastIndex = -2;
  };
  std::map<const TControl*, TScrollState> scrolls_;
  // The text of each edit as ImGui edits it (UTF-8), by control.
  std::map<const TEdit*, std::string> editBuffers_;
};
