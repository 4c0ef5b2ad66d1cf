// Screen capture: a window's picture saved as the first free CaptureNNN.bmp.
#pragma once

#include <string>

namespace murk {

struct Desk;
class Form;

// "<dir>Capture007.bmp": the number zero-padded to at least three digits.
std::string CaptureFileName(const std::string& dir, int n);

// Saves the window's area of the canvas as a 24-bit BMP under the first free name; reports a
// failure and goes on.
void CaptureWindow(Desk& desk, Form& window);

}  // namespace murk
