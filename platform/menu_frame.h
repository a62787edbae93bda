// The menus as a 16-bit frame without a window: the form's colour, then every showing picture in
// drawing order. The headless host presents this while no drawing area shows, so a test can see
// which backdrop is up; the widgets themselves are drawn only by the SDL host.
#pragma once

#include <cstdint>
#include <vector>

#include "forms/form.h"
#include "media/pixel_format.h"

// Fills frame (width x height, rows top first) with the form's pictures in the given format.
void ComposeMenuFrame(TForm& form, int width, int height, TPixelFormat format, std::vector<uint16_t>& frame);
