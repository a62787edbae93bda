// The programs' icons for the desktop's hicolor theme, drawn with the same shapes as their title
// pictures: Tarnhook's golden fish leaping from a lake under the sky, Bowling's ball rolling at a
// pin in the red hall. Each is drawn afresh at every size, so the small ones stay sharp.
#pragma once

#include <string>
#include <vector>

// The hicolor sizes written, in pixels.
const std::vector<int>& IconSizes();

// Draws the program's icon (program is "tarnhook" or "bowling") size x size and writes it as a PNG
// with alpha. Raises std::runtime_error for another program or when the file cannot be written.
void WriteProgramIcon(const std::string& program, int size, const std::string& path);
