#include "bowling/score_sheet.h"

#include <algorithm>
#include <charconv>

#include "bowling/scoring.h"
#include "media/turbopixels.h"

namespace {

constexpr int kFrameWidth = 63;
constexpr int kRowHeight = 81;

}  // namespace

int FrameBoxPattern(const TPlayer& p, int frame) {
  if (frame < 10) return p.strike[frame] ? 2 : p.spare[frame] ? 1 : 0;
  if (p.strike[10]) {
    if (p.strike[11]) return p.strike[12] ? 8 : 7;
    return p.spare[11] ? 9 : 6;
  }
  if (p.spare[10]) return p.strike[11] ? 5 : 4;
  return 3;
}

bool FrameTotalShown(const TPlayer& p, int k, int current) {
  if (!p.frameStarted[k + 1]) return false;
  // A total that still waits for a bonus ball stays hidden.
  if (p.spare[k] && k == current - 1 && !p.firstThrown[current]) return false;
  if (p.strike[k] && k == current - 1) return false;
  if (p.strike[k] && k == current - 2 && p.strike[k + 1]) return false;
  return true;
}

void TScoreSheet::Draw(TDirectDrawSurface& surface) {
  numbers_ = nullptr;
  const TFrontState& front = state_.front;
  const TMatchState& match = state_.match;
  if (match.showAllScores || match.matchComplete) {
    for (int player = 1; player <= front.playerCount; ++player) DrawRow(surface, player, player - 1);
  } else {
    DrawRow(surface, front.currentPlayer, 0);
  }
}

void TScoreSheet::DrawRow(TDirectDrawSurface& surface, int number, int row) {
  TPlayer& p = state_.match.players[number];
  const int current = state_.match.frame;
  // Totals are otherwise brought up to date only at their own player's turns; a row shown while
  // the other player bowls must not show a frame's total from before its bonus balls.
  ComputeFrameTotals(p, current);
  TPictureCollection& graphics = devices_.graphics.Items;
  char label[] = "player0";
  label[6] = static_cast<char>('0' + number);
  TPictureCollectionItem& labelImage = graphics.Find(label);
  TPictureCollectionItem& box = graphics.Find("scoretrans");
  const int y = kRowHeight * row;
  // The label goes under the last started frame's box and over the others' (drawn once per started
  // frame, each drawing would cover the one before).
  int lastStarted = 0;
  for (int k = 1; k <= std::min(current, 10); ++k) {
    if (p.frameStarted[k]) lastStarted = k;
  }
  for (int k = 1; k <= std::min(current, 10); ++k) {
    if (!p.frameStarted[k]) continue;
    const int d = kFrameWidth * (k - 1);
    if (k == lastStarted) labelImage.Draw(surface, 4, y + 68, 0);
    box.Draw(surface, d + 4, y + 4, FrameBoxPattern(p, k));
    if (k < 10) {
      if (p.firstThrown[k] && !p.strike[k]) DrawNumber(surface, d + 5, y + 10, p.firstBall[k]);
      if (p.secondThrown[k] && !p.spare[k]) DrawNumber(surface, d + 37, y + 10, p.secondBall[k]);
      if (FrameTotalShown(p, k, current)) DrawNumber(surface, d + 10, y + 42, p.frameTotal[k]);
      continue;
    }
    if (p.firstThrown[10] && !p.strike[10]) DrawNumber(surface, d + 5, y + 10, p.firstBall[10]);
    if (p.firstThrown[11] && p.strike[10] && !p.strike[11]) DrawNumber(surface, d + 30, y + 10, p.firstBall[11]);
    if (p.secondThrown[10] && !p.spare[10]) DrawNumber(surface, d + 30, y + 10, p.secondBall[10]);
    // A strike on the bonus ball after a spare is shown by its mark alone.
    if (p.firstThrown[11] && p.spare[10] && !p.strike[11]) DrawNumber(surface, d + 45, y + 10, p.firstBall[11]);
    if (p.secondThrown[11] && !p.spare[11]) DrawNumber(surface, d + 45, y + 10, p.secondBall[11]);
    if (p.firstThrown[12] && !p.strike[12]) DrawNumber(surface, d + 45, y + 10, p.firstBall[12]);
    if (p.finished) DrawNumber(surface, d + 10, y + 42, p.frameTotal[10]);
  }
}

void TScoreSheet::DrawNumber(TDirectDrawSurface& surface, int x, int y, int32_t value) {
  // The font is looked up as the program does, by index, at the first number of a sheet.
  if (!numbers_) {
    TPictureCollection& graphics = devices_.graphics.Items;
    numbers_ = &graphics.Items(graphics.IndexOf("numbers"));
  }
  char text[12];
  const char* end = std::to_chars(text, text + sizeof text, value).ptr;
  DrawImageDigits(surface, *numbers_, x, y, std::string_view(text, static_cast<size_t>(end - text)), true);
}
