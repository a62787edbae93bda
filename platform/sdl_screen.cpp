#include "platform/sdl_screen.h"

#include <SDL.h>

#include <algorithm>
#include <string_view>

#include "media/surface.h"
#include "platform/gl_rasterizer.h"
#include "platform/platform_error.h"

namespace {

std::string SdlError(const char* what) { return std::string(what) + ": " + SDL_GetError(); }

// Whether the picture reaches the window one to one whatever the player does: the desktop is no
// larger than the picture, so neither full screen nor a window scales it.
bool PresentsOneToOne(SDL_Window* window) {
  SDL_DisplayMode desktop;
  if (SDL_GetDesktopDisplayMode(std::max(SDL_GetWindowDisplayIndex(window), 0), &desktop) != 0) return false;
  return desktop.w <= TSdlScreen::kWidth && desktop.h <= TSdlScreen::kHeight;
}

// The GL driver's name for what draws (GL_RENDERER), "" for a renderer that is not SDL's GL one.
std::string GlName(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || std::string_view(info.name).substr(0, 6) != "opengl") return "";
  using TGetString = const unsigned char* (*)(unsigned);
  auto getString = reinterpret_cast<TGetString>(SDL_GL_GetProcAddress("glGetString"));
  constexpr unsigned kGlRenderer = 0x1F01;
  const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
  return name ? reinterpret_cast<const char*>(name) : "";
}

// SDL's own renderer, with no GL behind the window either.
SDL_Renderer* OwnRenderer(SDL_Window* window) {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
}

}  // namespace

TSdlScreen::TSdlScreen(const std::string& title, bool windowed) : fullscreen_(!windowed) {
  // A full-screen window that loses the focus stays on screen (the player may be reading a
  // message box of another program); the program pauses its timers instead.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  const Uint32 flags = windowed ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
  window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth, kHeight, flags);
  if (!window_) throw EPlatformError(SdlError("The window cannot be opened"));
  // SDL's own renderer wherever it costs no speed: nothing to scale, or a GL that would scale on the
  // processor too (there SDL's renderer presents two to seven times faster and holds some 30 MB
  // less, bench/renderers.sh). A GL that names itself a software rasterizer once loaded is let go
  // too, though its libraries stay. A renderer named in SDL_RENDER_DRIVER is taken as asked; asked
  // for by name, SDL's own has no GL behind the window either.
  const char* hint = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
  const std::string_view asked = hint ? hint : "";
  if (asked == "software" || (asked.empty() && (PresentsOneToOne(window_) || !GlHasAGraphicsDevice()))) {
    renderer_ = OwnRenderer(window_);
  }
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
  if (renderer_ && asked.empty() && DrawsOnTheProcessor(GlName(renderer_))) {
    SDL_DestroyRenderer(renderer_);
    renderer_ = OwnRenderer(window_);
  }
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
  if (!renderer_) {
    SDL_DestroyWindow(window_);
    throw EPlatformError(SdlError("The renderer cannot be made"));
  }
  canvas_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, kWidth, kHeight);
  if (!canvas_) {
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    throw EPlatformError(SdlError("The screen texture cannot be made"));
  }
  SDL_SetTextureScaleMode(canvas_, SDL_ScaleModeNearest);
  // The window shows black from the start, not whatever lay there, until the first picture is
  // ready; this first present is also where SDL sets up the window's own pixels.
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
}

TSdlScreen::~TSdlScreen() {
  if (surfaceTexture_) SDL_DestroyTexture(surfaceTexture_);
  if (scaled_) SDL_DestroyTexture(scaled_);
  SDL_DestroyTexture(canvas_);
  SDL_DestroyRenderer(renderer_);
  SDL_DestroyWindow(window_);
}

std::string TSdlScreen::GlRendererName() const { return GlName(renderer_); }

void TSdlScreen::SetTitle(const std::string& title) { SDL_SetWindowTitle(window_, title.c_str()); }

void TSdlScreen::BeginCanvas(TColor color) {
  SDL_SetRenderTarget(renderer_, canvas_);
  SDL_SetRenderDrawColor(renderer_, GetRValue(color), GetGValue(color), GetBValue(color), 255);
  SDL_RenderClear(renderer_);
}

SDL_Texture* TSdlScreen::SurfaceTexture(int width, int height, TPixelFormat format) {
  if (surfaceTexture_ && width == surfaceWidth_ && height == surfaceHeight_ && format == surfaceFormat_) {
    return surfaceTexture_;
  }
  if (surfaceTexture_) SDL_DestroyTexture(surfaceTexture_);
  const Uint32 sdlFormat = format == TPixelFormat::RGB565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB555;
  surfaceTexture_ = SDL_CreateTexture(renderer_, sdlFormat, SDL_TEXTUREACCESS_STREAMING, width, height);
  surfaceWidth_ = width;
  surfaceHeight_ = height;
  surfaceFormat_ = format;
  if (surfaceTexture_) SDL_SetTextureScaleMode(surfaceTexture_, SDL_ScaleModeNearest);
  return surfaceTexture_;
}

void TSdlScreen::DrawSurface(const TDirectDrawSurface& surface) {
  if (surface.Empty()) return;
  SDL_Texture* texture = SurfaceTexture(surface.Width(), surface.Height(), surface.PixelFormat());
  if (!texture) return;
  SDL_UpdateTexture(texture, nullptr, surface.Bits(), surface.Pitch());
  const SDL_Rect dest{0, 0, surface.Width(), surface.Height()};
  SDL_RenderCopy(renderer_, texture, nullptr, &dest);
}

TSdlScreen::TArea TSdlScreen::Letterbox() const {
  int outW = kWidth;
  int outH = kHeight;
  // With a target texture set, SDL reports the texture's size; the window's is wanted here.
  SDL_Texture* target = SDL_GetRenderTarget(renderer_);
  if (target) SDL_SetRenderTarget(renderer_, nullptr);
  SDL_GetRendererOutputSize(renderer_, &outW, &outH);
  if (target) SDL_SetRenderTarget(renderer_, target);
  // The largest 4:3 area that fits, centred.
  int w = outW;
  int h = outW * kHeight / kWidth;
  if (h > outH) {
    h = outH;
    w = outH * kWidth / kHeight;
  }
  return TArea{(outW - w) / 2, (outH - h) / 2, std::max(w, 1), std::max(h, 1)};
}

SDL_Texture* TSdlScreen::ScaledTarget(int scale) {
  if (scaled_ && scale == scaledFactor_) return scaled_;
  if (scaled_) SDL_DestroyTexture(scaled_);
  scaled_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, kWidth * scale,
                              kHeight * scale);
  scaledFactor_ = scale;
  if (scaled_) SDL_SetTextureScaleMode(scaled_, SDL_ScaleModeLinear);
  return scaled_;
}

void TSdlScreen::Present(bool vsync) {
  if (vsync_ != (vsync ? 1 : 0)) {
    vsync_ = vsync ? 1 : 0;
    SDL_RenderSetVSync(renderer_, vsync_);
  }
  const TArea area = Letterbox();
  const int scale = std::max(1, std::min(area.W / kWidth, area.H / kHeight));
  SDL_Texture* source = canvas_;
  // Only when the area is not itself a whole multiple does the smooth second step have work.
  if (area.W != kWidth * scale || area.H != kHeight * scale) {
    if (SDL_Texture* scaled = ScaledTarget(scale)) {
      SDL_SetRenderTarget(renderer_, scaled);
      SDL_RenderCopy(renderer_, canvas_, nullptr, nullptr);
      source = scaled;
    }
  }
  SDL_SetRenderTarget(renderer_, nullptr);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  const SDL_Rect dest{area.X, area.Y, area.W, area.H};
  SDL_RenderCopy(renderer_, source, nullptr, &dest);
  if (!capturePath_.empty()) {
    int outW = 0;
    int outH = 0;
    SDL_GetRendererOutputSize(renderer_, &outW, &outH);
    if (SDL_Surface* shot = SDL_CreateRGBSurfaceWithFormat(0, outW, outH, 32, SDL_PIXELFORMAT_ARGB8888)) {
      if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, shot->pixels, shot->pitch) == 0) {
        SDL_SaveBMP(shot, capturePath_.c_str());
      }
      SDL_FreeSurface(shot);
    }
    capturePath_.clear();
  }
  SDL_RenderPresent(renderer_);
}

void TSdlScreen::ToggleFullscreen() {
  fullscreen_ = !fullscreen_;
  if (fullscreen_) {
    SDL_SetWindowBordered(window_, SDL_FALSE);
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    return;
  }
  SDL_SetWindowFullscreen(window_, 0);
  // A window keeps its frame so it can be moved and closed; twice the size when the desktop has room.
  SDL_SetWindowBordered(window_, SDL_TRUE);
  SDL_DisplayMode desktop;
  int scale = 1;
  if (SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(window_), &desktop) == 0 &&
      desktop.w >= kWidth * 2 + 64 && desktop.h >= kHeight * 2 + 96) {
    scale = 2;
  }
  SDL_SetWindowSize(window_, kWidth * scale, kHeight * scale);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

TPoint TSdlScreen::WindowToCanvas(int x, int y) const {
  // Mouse events come in window points; the renderer may have more pixels (high-DPI displays).
  int winW = 1;
  int winH = 1;
  int outW = 1;
  int outH = 1;
  SDL_GetWindowSize(window_, &winW, &winH);
  SDL_GetRendererOutputSize(renderer_, &outW, &outH);
  const int px = winW > 0 ? x * outW / winW : x;
  const int py = winH > 0 ? y * outH / winH : y;
  const TArea area = Letterbox();
  auto floorDiv = [](long long a, long long b) { return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b)); };
  return TPoint{floorDiv(static_cast<long long>(px - area.X) * kWidth, area.W),
                floorDiv(static_cast<long long>(py - area.Y) * kHeight, area.H)};
}
