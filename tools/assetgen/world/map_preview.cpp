#include "tools/assetgen/world/map_preview.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int kPlayWidth = 640;
constexpr int kPlayHeight = 380;  // the screen above the dashboard

cairo_surface_t* ToSurface(const TPicture& picture) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.Width, picture.Height);
  cairo_surface_flush(surface);
  uint8_t* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < picture.Height; ++y) {
    for (int x = 0; x < picture.Width; ++x) reinterpret_cast<uint32_t*>(data + y * stride)[x] = picture.At(x, y);
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

void SavePng(cairo_surface_t* surface, const std::string& path) {
  if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + path);
  }
}

}  // namespace

void WritePicturePng(const TPicture& picture, const std::string& path) {
  cairo_surface_t* surface = ToSurface(picture);
  SavePng(surface, path);
  cairo_surface_destroy(surface);
}

TPicture RenderLakeView(const TIsoMap& map, const std::vector<TPictureItemData>& items, int scrollX, int scrollY,
                        int width, int height) {
  TPicture view;
  view.Width = width;
  view.Height = height;
  view.Pixels.assign(static_cast<size_t>(width) * height, 0);
  const int hw = map.tileWidth / 2;
  const int hh = map.tileHeight / 2;
  for (int r = 0; r <= map.lastRow; ++r) {
    for (int c = 0; c <= map.lastCol; ++c) {
      const int tile = map.Cell(c, r);
      if (tile < 0 || tile >= static_cast<int>(items.size())) continue;
      const TPictureItemData& item = items[tile];
      const int ph = item.PatternHeight > 0 ? item.PatternHeight : item.Picture.Height;
      const int pw = item.PatternWidth > 0 ? item.PatternWidth : item.Picture.Width;
      const int x0 = (r % 2) * hw + c * map.tileWidth - scrollX;
      const int y0 = hh * r - (ph - map.tileHeight) - scrollY;
      if (x0 >= width || y0 >= height || x0 + pw <= 0 || y0 + ph <= 0) continue;
      for (int y = 0; y < ph; ++y) {
        const int vy = y0 + y;
        if (vy < 0 || vy >= height) continue;
        for (int x = 0; x < pw; ++x) {
          const int vx = x0 + x;
          if (vx < 0 || vx >= width) continue;
          const uint32_t p = item.Picture.At(x, y);
          if (item.Transparent && p == item.TransparentColor) continue;
          view.Pixels[static_cast<size_t>(vy) * width + vx] = p;
        }
      }
    }
  }
  return view;
}

void WriteLakePreviews(const TIsoMap& map, const std::vector<TPictureItemData>& items, const std::string& stem) {
  // The whole lake.
  const int worldW = (map.lastCol + 1) * map.tileWidth + map.tileWidth / 2;
  const int worldH = (map.lastRow + 2) * (map.tileHeight / 2);
  const TPicture world = RenderLakeView(map, items, 0, 0, worldW, worldH);
  cairo_surface_t* full = ToSurface(world);
  const double scale = std::min(1.0, 1024.0 / std::max(worldW, worldH));
  const int w = std::max(1, static_cast<int>(worldW * scale));
  const int h = std::max(1, static_cast<int>(worldH * scale));
  cairo_surface_t* small = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(small);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, full, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_destroy(cr);
  SavePng(small, stem + "-map.png");
  cairo_surface_destroy(small);
  cairo_surface_destroy(full);

  // The view at the start, with the camera's clamp (64 pixels from every edge).
  int boatX = 300;
  int boatY = 300;
  for (const TIsoObject& object : map.objects) {
    if (object.name == "levelstart") {
      boatX = object.col * map.tileWidth;
      boatY = object.row * (map.tileHeight / 2);
    }
  }
  int scrollX = boatX - 320;
  int scrollY = boatY - kPlayHeight / 2;
  scrollX = std::max(64, std::min(scrollX, map.lastCol * map.tileWidth - 640 - 64));
  scrollY = std::max(64, std::min(scrollY, map.lastRow * map.tileHeight / 2 - 480 - 64));
  const TPicture view = RenderLakeView(map, items, scrollX, scrollY, kPlayWidth, kPlayHeight);
  cairo_surface_t* viewSurface = ToSurface(view);
  cairo_t* vcr = cairo_create(viewSurface);
  cairo_set_source_rgb(vcr, 1, 1, 1);
  cairo_set_line_width(vcr, 2);
  cairo_arc(vcr, boatX - scrollX, boatY - scrollY, 6, 0, 2 * 3.14159265);
  cairo_stroke(vcr);
  cairo_destroy(vcr);
  SavePng(viewSurface, stem + "-view.png");
  cairo_surface_destroy(viewSurface);
}
