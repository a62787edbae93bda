#include "tools/assetgen/sprites/text.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <stdexcept>

namespace sprites {

namespace {

const char* FileOf(Face face) {
  switch (face) {
    case Face::Sans: return "DejaVuSans.ttf";
    case Face::SansBold: return "DejaVuSans-Bold.ttf";
    case Face::Condensed: return "DejaVuSansCondensed.ttf";
    case Face::CondensedBold: return "DejaVuSansCondensed-Bold.ttf";
    case Face::SerifBold: return "DejaVuSerif-Bold.ttf";
    case Face::MonoBold: return "DejaVuSansMono-Bold.ttf";
  }
  return "DejaVuSans.ttf";
}

// The FreeType library and the faces loaded so far, kept for the life of the program.
class FaceCache {
 public:
  ~FaceCache() {
    for (auto& [face, entry] : faces_) cairo_font_face_destroy(entry.Cairo);
    for (auto& [face, entry] : faces_) FT_Done_Face(entry.Ft);
    if (library_) FT_Done_FreeType(library_);
  }

  cairo_font_face_t* Get(Face face) {
    auto it = faces_.find(face);
    if (it != faces_.end()) return it->second.Cairo;
    if (!library_ && FT_Init_FreeType(&library_) != 0) throw std::runtime_error("cannot start FreeType");
    const std::string path = std::string("/usr/share/fonts/truetype/dejavu/") + FileOf(face);
    FT_Face ft = nullptr;
    if (FT_New_Face(library_, path.c_str(), 0, &ft) != 0) {
      throw std::runtime_error("cannot read the font " + path + " (install fonts-dejavu-core)");
    }
    cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(ft, 0);
    faces_[face] = {ft, cf};
    return cf;
  }

 private:
  struct Entry {
    FT_Face Ft;
    cairo_font_face_t* Cairo;
  };
  FT_Library library_ = nullptr;
  std::map<Face, Entry> faces_;
};

FaceCache& Cache() {
  static FaceCache cache;
  return cache;
}

}  // namespace

void UseFace(cairo_t* cr, Face face, double size) {
  cairo_set_font_face(cr, Cache().Get(face));
  cairo_set_font_size(cr, size);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

void ShowText(cairo_t* cr, double x, double y, const std::string& utf8) {
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, utf8.c_str());
}

double TextWidth(cairo_t* cr, const std::string& utf8) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  return e.x_advance;
}

void OutlinedText(cairo_t* cr, double x, double y, const std::string& utf8, unsigned fill,
                  unsigned rim, double rimWidth) {
  const double left = x - TextWidth(cr, utf8) / 2;
  cairo_move_to(cr, left, y);
  cairo_text_path(cr, utf8.c_str());
  SetColor(cr, rim);
  cairo_set_line_width(cr, rimWidth * 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  SetColor(cr, fill);
  cairo_fill(cr);
}

void SetColor(cairo_t* cr, unsigned rgb, double alpha) {
  cairo_set_source_rgba(cr, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0,
                        (rgb & 255) / 255.0, alpha);
}

}  // namespace sprites
