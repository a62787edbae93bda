// What was drawn on a surface since each of its marks: a log of the rectangles drawing reported (a
// rectangle may cover pixels it left alone), shared by the marks, or, for a mark, "everything".
//
// A mark starts as everything (a new surface shows nothing anyone drew); Clear starts it afresh.
// Drawing that writes the surface without saying where, and a log that runs full, turn every mark
// into everything, which is always a correct answer. A rectangle that holds the last one logged, lies
// in it, or continues it along a side is logged with it as one.
//
// TDamageCover turns what a mark saw into at most kSpans column spans per band of kBandRows rows,
// so copying it copies each pixel once.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "media/geometry.h"

// Presented: since the drawing device last copied the surface to the screen. Backdrop: since a
// backdrop picture was last laid under everything on it (backdrop.h).
enum class TDamageMark { Presented, Backdrop };

class TSurfaceDamage {
 public:
  static constexpr int kMarks = 2;
  // Rectangles logged before the log counts as everything.
  static constexpr size_t kMaxRects = 128;

  TSurfaceDamage(int width, int height) : width_(width), height_(height) {}

  // Drawing over rect (clipped here to the surface).
  void Add(const TRect& rect);
  // Drawing anywhere.
  void AddAll();
  // Nothing drawn since the mark, from now on; Serial then tells this clearing from any other.
  void Clear(TDamageMark mark);

  bool All(TDamageMark mark) const { return State(mark).all; }
  bool Any(TDamageMark mark) const { return State(mark).all || State(mark).start < log_.size(); }
  // The rectangles drawn since the mark (meaningful when not All).
  std::span<const TRect> Since(TDamageMark mark) const;
  // A number no other clearing of any mark of any surface had.
  uint64_t Serial(TDamageMark mark) const { return State(mark).serial; }

 private:
  struct TMarkState {
    bool all = true;
    size_t start = 0;
    uint64_t serial = 0;
  };
  TMarkState& State(TDamageMark mark) { return marks_[static_cast<size_t>(mark)]; }
  const TMarkState& State(TDamageMark mark) const { return marks_[static_cast<size_t>(mark)]; }
  // Whether the last logged rectangle is seen by every mark that is not everything.
  bool LastSeenByAll() const;

  int width_;
  int height_;
  std::array<TMarkState, kMarks> marks_{};
  std::vector<TRect> log_;
};

class TDamageCover {
 public:
  static constexpr int kBandRows = 8;
  static constexpr int kSpans = 4;

  // Covers the rectangles on a surface of width x height (allocates only when the height grows).
  void Build(std::span<const TRect> rects, int width, int height);
  // Calls visit(const TRect&) for each covering rectangle; they do not overlap.
  template <class Visit>
  void ForEach(Visit visit) const {
    for (size_t band = 0; band < counts_.size(); ++band) {
      const int top = static_cast<int>(band) * kBandRows;
      const int bottom = top + kBandRows < height_ ? top + kBandRows : height_;
      for (int i = 0; i < counts_[band]; ++i) {
        const TSpan& span = spans_[band * kSpans + static_cast<size_t>(i)];
        visit(TRect{span.left, top, span.right, bottom});
      }
    }
  }
  // Pixels covered.
  int64_t Area() const;

 private:
  struct TSpan {
    int left;
    int right;
  };
  // Adds [left, right) to a band, merging spans that touch, and the two closest when too many.
  void AddSpan(size_t band, int left, int right);

  int height_ = 0;
  std::vector<uint8_t> counts_;
  std::vector<TSpan> spans_;
};
