// The window and how the 640 x 480 picture reaches it. Everything is drawn into a 640 x 480 canvas
// texture; presenting scales the canvas sharp: nearest-neighbour to the largest whole multiple that
// fits, then smoothly to the letterboxed area of the window, so pixels stay crisp at any size.
// Full screen uses the desktop's own mode (no mode switch); Alt+Enter toggles a window.
// On a desktop no larger than the picture, and wherever GL would rasterize on the processor, SDL's
// own software renderer draws (it is as fast or faster there, and holds far less than a GL driver);
// elsewhere an accelerated renderer scales, software if none.
#pragma once

#include <string>

#include "media/geometry.h"
#include "media/pixel_format.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
class TDirectDrawSurface;

class TSdlScreen {
 public:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 480;

  // Opens the window (full screen on the desktop unless windowed) and its renderer; raises
  // EPlatformError when SDL cannot.
  TSdlScreen(const std::string& title, bool windowed);
  ~TSdlScreen();
  TSdlScreen(const TSdlScreen&) = delete;
  TSdlScreen& operator=(const TSdlScreen&) = delete;

  SDL_Window* Window() const { return window_; }
  SDL_Renderer* Renderer() const { return renderer_; }
  // The GL driver's name for what draws (GL_RENDERER), "" when the renderer is not SDL's GL one.
  std::string GlRendererName() const;
  void SetTitle(const std::string& title);

  // Starts a picture: the canvas becomes the target, cleared to color.
  void BeginCanvas(TColor color);
  // Copies a 16-bit surface onto the canvas at (0, 0), one to one.
  void DrawSurface(const TDirectDrawSurface& surface);
  // Scales the canvas into the window and shows it; vsync waits for the display.
  void Present(bool vsync);
  // Saves the window's picture of the next Present as a BMP file.
  void CaptureNextPresent(const std::string& bmpPath) { capturePath_ = bmpPath; }

  // Switches between full screen and a window of 640 x 480 (or twice that when it fits).
  void ToggleFullscreen();
  bool Fullscreen() const { return fullscreen_; }
  // A window position (in window coordinates) as a canvas position; may lie outside the canvas.
  TPoint WindowToCanvas(int x, int y) const;

 private:
  // The letterboxed area of the window the canvas fills.
  struct TArea {
    int X, Y, W, H;
  };
  TArea Letterbox() const;
  SDL_Texture* ScaledTarget(int scale);
  SDL_Texture* SurfaceTexture(int width, int height, TPixelFormat format);

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* canvas_ = nullptr;
  SDL_Texture* scaled_ = nullptr;
  int scaledFactor_ = 0;
  SDL_Texture* surfaceTexture_ = nullptr;
  int surfaceWidth_ = 0;
  int surfaceHeight_ = 0;
  TPixelFormat surfaceFormat_ = TPixelFormat::RGB565;
  bool fullscreen_ = true;
  int vsync_ = -1;
  std::string capturePath_;
};
