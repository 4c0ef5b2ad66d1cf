// WindowChoice: full screen or a window (and its size), kept in a small file beside Options.dat.
#pragma once

#include <string>

namespace murk::sdl {

struct WindowChoice {
    bool windowed = false;
    int width = 1024, height = 768;  // the window's size when windowed
    bool operator==(const WindowChoice&) const = default;
};

// The file holds one line, "FullScreen W H" or "Window W H". A missing, damaged or strange file
// gives full screen at 1024x768.
WindowChoice ParseWindowChoice(const std::string& text);
std::string FormatWindowChoice(const WindowChoice& choice);

WindowChoice ReadWindowChoice(const std::string& path);
// Empty `path`: nothing is kept (tests). A failed write is not an error worth a box.
void WriteWindowChoice(const std::string& path, const WindowChoice& choice);

}  // namespace murk::sdl
