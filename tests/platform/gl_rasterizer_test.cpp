// Whether GL would draw on the processor: from the machine's device nodes before GL is loaded, and
// from the name a loaded driver gives itself.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/gl_rasterizer.h"
#include "scoped_env.h"

namespace fs = std::filesystem;

TEST(GlRasterizer, AGraphicsDeviceIsAnOpenableDrmNodeOrTheDriverControlNode) {
  const fs::path dev = fs::temp_directory_path() / ("gl_devices_" + std::to_string(getpid()));
  fs::remove_all(dev);
  fs::create_directories(dev / "dri" / "by-path");
  TScopedEnv software("LIBGL_ALWAYS_SOFTWARE", nullptr);
  EXPECT_FALSE(GlHasAGraphicsDevice(dev.string())) << "only a folder of links";
  EXPECT_FALSE(GlHasAGraphicsDevice((dev / "missing").string()));
  std::ofstream(dev / "dri" / "renderD128").put('\0');
  EXPECT_TRUE(GlHasAGraphicsDevice(dev.string()));
  software.Set("0");
  EXPECT_TRUE(GlHasAGraphicsDevice(dev.string()));
  software.Set("1");
  EXPECT_FALSE(GlHasAGraphicsDevice(dev.string())) << "software asked for";
  software.Set(nullptr);
  fs::remove(dev / "dri" / "renderD128");
  std::ofstream(dev / "nvidiactl").put('\0');
  EXPECT_TRUE(GlHasAGraphicsDevice(dev.string()));
  fs::remove_all(dev);
}

TEST(GlRasterizer, SoftwareRasterizersAreToldFromGraphicsCardsThatAlsoNameLlvm) {
  EXPECT_TRUE(DrawsOnTheProcessor("llvmpipe (LLVM 15.0.6, 256 bits)"));
  EXPECT_TRUE(DrawsOnTheProcessor("Gallium 0.4 on llvmpipe (LLVM 3.4, 128 bits)"));
  EXPECT_TRUE(DrawsOnTheProcessor("softpipe"));
  EXPECT_TRUE(DrawsOnTheProcessor("Software Rasterizer"));
  EXPECT_FALSE(DrawsOnTheProcessor("AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)"));
  EXPECT_FALSE(DrawsOnTheProcessor("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
  EXPECT_FALSE(DrawsOnTheProcessor("NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2"));
  EXPECT_FALSE(DrawsOnTheProcessor(""));
}
