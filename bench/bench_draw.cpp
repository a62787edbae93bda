// Sprite, fill and text drawing on a 640 x 480 5-6-5 surface, each beside a reference measured in
// the same run: SDL's colour-keyed RLE blitter for sprites, memcpy of the same bytes for the
// full-screen copy and blends. The ratios are printed after the table.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/turbopixels.h"

namespace {

class TBenchHost : public THost {
 public:
  void SetDisplaySurface(const TDirectDrawSurface*) override {}
  void Present(bool) override {}
  uint32_t Clock() override { return 0; }
  void Sleep(uint32_t) override {}
  TPoint CursorPos() override { return {}; }
  void SetCursor(TCursorShape) override {}
  void SetAudioSource(TAudioSource*) override {}
  int AudioRate() const override { return 0; }
  void ProcessMessages() override {}
  void ShowMessage(const std::string&) override {}
  bool OpenFileDialog(TFileDialog&) override { return false; }
  bool SaveFileDialog(TFileDialog&) override { return false; }
};

constexpr int kSpriteWidth = 64;
constexpr int kSpriteHeight = 48;
constexpr int kSpriteKinds = 16;
constexpr int kSprites = 400;
constexpr uint32_t kKeyColor = 0xFF00FF;  // picture pixels 0x00RRGGBB

// Sixteen 64 x 48 sprites: rounded shapes of varied colours on a magenta key, like a game's
// boats, fish and map objects.
TPicture SpriteSheet() {
  TPicture picture;
  picture.Width = kSpriteWidth * 8;
  picture.Height = kSpriteHeight * 2;
  picture.Pixels.assign(static_cast<size_t>(picture.Width) * picture.Height, kKeyColor);
  std::mt19937 random(7);
  for (int kind = 0; kind < kSpriteKinds; ++kind) {
    const int left = (kind % 8) * kSpriteWidth;
    const int top = (kind / 8) * kSpriteHeight;
    const double rx = 20 + kind % 4 * 3;
    const double ry = 14 + kind % 3 * 4;
    for (int y = 0; y < kSpriteHeight; ++y) {
      for (int x = 0; x < kSpriteWidth; ++x) {
        const double dx = (x - 32) / rx;
        const double dy = (y - 24) / ry;
        if (dx * dx + dy * dy <= 1.0) {
          picture.Pixels[static_cast<size_t>(top + y) * picture.Width + left + x] =
              random() & 0xF0F0F0;
        }
      }
    }
  }
  return picture;
}

struct TScene {
  TBenchHost host;
  TApplication app{host};
  TDXDraw draw{&app};
  TDXImageList list{&draw};
  TPictureCollectionItem* sprites = nullptr;
  TPictureCollectionItem* backdrop = nullptr;
  TPictureCollectionItem* font = nullptr;
  std::vector<TPoint> positions;
  std::vector<int> kinds;

  TScene() {
    sprites = &list.Items.Add();
    sprites->SetName("sprites");
    sprites->SetPicture(SpriteSheet());
    sprites->PatternWidth = kSpriteWidth;
    sprites->PatternHeight = kSpriteHeight;
    sprites->SetTransparentColor(clFuchsia);

    TPicture screen;
    screen.Width = 640;
    screen.Height = 480;
    screen.Pixels.resize(640 * 480);
    for (size_t i = 0; i < screen.Pixels.size(); ++i)
      screen.Pixels[i] = static_cast<uint32_t>(i * 2654435761u);
    backdrop = &list.Items.Add();
    backdrop->SetPicture(screen);
    backdrop->Transparent = false;

    TPicture glyphs;
    glyphs.Width = 8 * 67;
    glyphs.Height = 12;
    glyphs.Pixels.assign(static_cast<size_t>(glyphs.Width) * glyphs.Height, 0);
    for (size_t i = 0; i < glyphs.Pixels.size(); i += 3) glyphs.Pixels[i] = 0xFFFFFF;
    font = &list.Items.Add();
    font->SetName("font");
    font->SetPicture(glyphs);
    font->PatternWidth = 8;
    font->PatternHeight = 12;

    draw.Options = {doFullScreen, doAllowReboot, doAllowPalette256, doHardware};
    draw.Initialize();
    std::mt19937 random(11);
    for (int i = 0; i < kSprites; ++i) {
      positions.push_back(
          {static_cast<int>(random() % 672) - 32, static_cast<int>(random() % 512) - 32});
      kinds.push_back(static_cast<int>(random() % kSpriteKinds));
    }
  }
  TDirectDrawSurface& Back() { return *draw.Surface(); }
};

TScene& Scene() {
  static TScene scene;
  return scene;
}

void BM_DrawSprites(benchmark::State& state) {
  TScene& scene = Scene();
  for (auto _ : state) {
    for (int i = 0; i < kSprites; ++i) {
      scene.sprites->Draw(scene.Back(), scene.positions[i].X, scene.positions[i].Y, scene.kinds[i]);
    }
    benchmark::DoNotOptimize(scene.Back().Bits());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kSprites);
}
BENCHMARK(BM_DrawSprites);

void BM_SdlBlitSprites(benchmark::State& state) {
  TScene& scene = Scene();
  // The same 16-bit pixels and key as our pattern surfaces, one SDL surface per sprite kind.
  std::vector<SDL_Surface*> sources;
  for (int kind = 0; kind < kSpriteKinds; ++kind) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, kSpriteWidth, kSpriteHeight, 16, SDL_PIXELFORMAT_RGB565);
    const TDirectDrawSurface& from = *scene.sprites->PatternSurface(kind);
    const TRect& rect = scene.sprites->Surfaces().Patterns[static_cast<size_t>(kind)].Rect;
    for (int y = 0; y < kSpriteHeight; ++y) {
      std::memcpy(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch,
                  from.Row(rect.Top + y) + rect.Left, kSpriteWidth * 2);
    }
    SDL_SetColorKey(surface, SDL_TRUE, from.ColorKey());
    SDL_SetSurfaceRLE(surface, 1);
    sources.push_back(surface);
  }
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 16, SDL_PIXELFORMAT_RGB565);
  const auto blitAll = [&] {
    for (int i = 0; i < kSprites; ++i) {
      SDL_Rect at{scene.positions[i].X, scene.positions[i].Y, kSpriteWidth, kSpriteHeight};
      SDL_BlitSurface(sources[static_cast<size_t>(scene.kinds[i])], nullptr, target, &at);
    }
  };
  blitAll();  // the first blit encodes the runs
  for (auto _ : state) {
    blitAll();
    benchmark::DoNotOptimize(target->pixels);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kSprites);
  for (SDL_Surface* surface : sources) SDL_FreeSurface(surface);
  SDL_FreeSurface(target);
}
BENCHMARK(BM_SdlBlitSprites);

void BM_DrawFullScreenOpaque(benchmark::State& state) {
  TScene& scene = Scene();
  for (auto _ : state) {
    scene.backdrop->Draw(scene.Back(), 0, 0, 0);
    benchmark::DoNotOptimize(scene.Back().Bits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * 640 * 480 * 2);
}
BENCHMARK(BM_DrawFullScreenOpaque);

void BM_MemcpyFullScreen(benchmark::State& state) {
  TScene& scene = Scene();
  const TDirectDrawSurface& from = *scene.backdrop->PatternSurface(0);
  for (auto _ : state) {
    std::memcpy(scene.Back().Bits(), from.Bits(), 640 * 480 * 2);
    benchmark::DoNotOptimize(scene.Back().Bits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * 640 * 480 * 2);
}
BENCHMARK(BM_MemcpyFullScreen);

void BM_DrawBlendedFullScreen(benchmark::State& state) {
  TScene& scene = Scene();
  for (auto _ : state) {
    scene.backdrop->DrawBlended(scene.Back(), Bounds(0, 0, 640, 480), 0, 128);
    benchmark::DoNotOptimize(scene.Back().Bits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * 640 * 480 * 2);
}
BENCHMARK(BM_DrawBlendedFullScreen);

// A keyed 64 x 48 sprite scaled over the whole screen, as a shadow is: the stepped source pixels
// are picked before they are blended.
void BM_DrawBlendedKeyedScaledFullScreen(benchmark::State& state) {
  TScene& scene = Scene();
  for (auto _ : state) {
    scene.sprites->DrawBlended(scene.Back(), Bounds(0, 0, 640, 480), 3, 100);
    benchmark::DoNotOptimize(scene.Back().Bits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * 640 * 480 * 2);
}
BENCHMARK(BM_DrawBlendedKeyedScaledFullScreen);

void BM_FillRectBlendedFullScreen(benchmark::State& state) {
  TScene& scene = Scene();
  for (auto _ : state) {
    scene.Back().FillRectBlended(Bounds(0, 0, 640, 480), RGB(20, 40, 200), 100);
    benchmark::DoNotOptimize(scene.Back().Bits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * 640 * 480 * 2);
}
BENCHMARK(BM_FillRectBlendedFullScreen);

void BM_DrawImageText40(benchmark::State& state) {
  TScene& scene = Scene();
  const std::string line = "CATCH 12 FISH: 34.5 KG  TIME LEFT 01:59!";
  for (auto _ : state) {
    DrawImageText(scene.Back(), scene.list, "font", 8, 8, line);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(line.size()));
}
BENCHMARK(BM_DrawImageText40);

// Collects each benchmark's CPU time per iteration (steadier than wall time on a shared machine) so
// the ratios can be printed after the table.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedCPUTime();
  }
  std::map<std::string, double> times;
};

void PrintRatio(const TRatioReporter& reporter, const char* ours, const char* reference,
                const char* label, double target) {  // target 0: none
  const auto a = reporter.times.find(ours);
  const auto b = reporter.times.find(reference);
  if (a == reporter.times.end() || b == reporter.times.end() || b->second <= 0) return;
  const double ratio = a->second / b->second;
  if (target > 0) {
    std::printf("%-46s %8.3f x  (target <= %.1f x: %s)\n", label, ratio, target,
                ratio <= target ? "met" : "missed");
  } else {
    std::printf("%-46s %8.3f x\n", label, ratio);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  PrintRatio(reporter, "BM_DrawSprites", "BM_SdlBlitSprites",
             "400 keyed 64x48 sprites: Draw / SDL RLE blit", 1.0);
  PrintRatio(reporter, "BM_DrawFullScreenOpaque", "BM_MemcpyFullScreen",
             "full-screen opaque Draw / memcpy", 1.3);
  PrintRatio(reporter, "BM_DrawBlendedFullScreen", "BM_MemcpyFullScreen",
             "full-screen DrawBlended / memcpy", 8.0);
  PrintRatio(reporter, "BM_DrawBlendedKeyedScaledFullScreen", "BM_MemcpyFullScreen",
             "full-screen keyed, scaled DrawBlended / memcpy", 0);
  PrintRatio(reporter, "BM_FillRectBlendedFullScreen", "BM_MemcpyFullScreen",
             "full-screen FillRectBlended / memcpy", 8.0);
  benchmark::Shutdown();
  return 0;
}
