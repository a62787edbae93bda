#include "forms/text_controls.h"

void TEdit::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Fire(OnChange);
}
