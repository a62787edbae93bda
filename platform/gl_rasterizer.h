// Whether the system's GL would draw on the processor. Such a driver scales and presents the
// picture no faster than SDL's own renderer and holds some 30 MB more, so the screen takes SDL's own
// renderer there (bench/renderers.sh measures both).
#pragma once

#include <string>
#include <string_view>

// Whether the machine offers GL a graphics device to draw with: a DRM node under devFolder/dri the
// program may open, or the control node of a driver that does without DRM. Without one (a virtual X
// server, a container) GL can only rasterize on the processor; LIBGL_ALWAYS_SOFTWARE asks GL for
// exactly that. Always true in the browser, whose GL is the page's.
bool GlHasAGraphicsDevice(const std::string& devFolder = "/dev");

// True for the software rasterizers' names (GL_RENDERER: llvmpipe, softpipe, the classic one);
// false for any graphics card, whose names may mention LLVM too (a shader compiler).
bool DrawsOnTheProcessor(std::string_view glRendererName);
