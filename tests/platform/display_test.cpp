// No display, no silent hang: a host that could only get one of SDL's screenless video drivers
// raises a clear error (the program prints it and ends), unless that driver was asked for by name.
#include <gtest/gtest.h>

#include <string>

#include "platform/platform_error.h"
#include "platform/sdl_host.h"
#include "scoped_env.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The offscreen driver loads the system's GL libraries, which keep allocations of their own for the
// life of the process; the leak checker is told to leave what they allocate meanwhile alone.
class TForeignAllocations {
 public:
#if defined(__SANITIZE_ADDRESS__)
  TForeignAllocations() { __lsan_disable(); }
  ~TForeignAllocations() { __lsan_enable(); }
#else
  TForeignAllocations() = default;
#endif
  TForeignAllocations(const TForeignAllocations&) = delete;
  TForeignAllocations& operator=(const TForeignAllocations&) = delete;
};

TEST(DisplayTest, OnlyDriversThatReachAScreenCount) {
  EXPECT_TRUE(TSdlHost::DriverHasScreen("x11"));
  EXPECT_TRUE(TSdlHost::DriverHasScreen("wayland"));
  EXPECT_TRUE(TSdlHost::DriverHasScreen("KMSDRM"));
  EXPECT_FALSE(TSdlHost::DriverHasScreen("offscreen"));
  EXPECT_FALSE(TSdlHost::DriverHasScreen("dummy"));
  EXPECT_FALSE(TSdlHost::DriverHasScreen("evdev"));
}

TEST(DisplayTest, WithoutADesktopTheHostSaysSoInsteadOfRunningUnseen) {
  TScopedEnv video("SDL_VIDEODRIVER", nullptr);
  TScopedEnv x11("DISPLAY", nullptr);
  TScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  try {
    TSdlHost host("No display", true);
    // Only a machine whose console SDL can draw on (KMSDRM) has a screen without a desktop.
    EXPECT_TRUE(TSdlHost::DriverHasScreen(host.VideoDriver())) << host.VideoDriver();
  } catch (const EPlatformError& e) {
    EXPECT_EQ(e.Message().rfind("No display could be opened", 0), 0u) << e.Message();
  }
}

TEST(DisplayTest, AScreenlessDriverNamedOnPurposeIsTaken) {
  TScopedEnv x11("DISPLAY", nullptr);
  TScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  for (const char* driver : {"offscreen", "dummy"}) {
    TScopedEnv video("SDL_VIDEODRIVER", driver);
    [[maybe_unused]] const TForeignAllocations foreign;
    TSdlHost host("Named driver", true);
    EXPECT_EQ(host.VideoDriver(), driver);
  }
}

}  // namespace
