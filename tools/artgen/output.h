// Writing the art out: tile BMP files, and the C++ source that embeds the window pictures.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "window_art.h"

namespace artgen {

// Problems that must stop the build: a tile of the wrong size, two different tiles that came
// out pixel-for-pixel the same. Empty when all is well.
std::vector<std::string> CheckTiles(const std::vector<Canvas>& tiles);

// Writes tile i as TileFileName(i) in `dir`. Returns false with a message on failure.
bool WriteTiles(const std::vector<Canvas>& tiles, const std::string& dir, std::string& error);

// The complete source of EmbeddedPictures() holding every picture as a BMP file.
std::string PicturesSource(const std::vector<WindowPicture>& pictures);

// Writes the desktop icon at each size as DIR/hicolor/NxN/apps/murk.png, the layout of an icon
// theme, making the folders. Returns false with a message on failure.
bool WriteIcons(const std::string& dir, std::string& error);

// Writes `text` to `path`, replacing what was there.
bool WriteFile(const std::string& path, const std::string& text, std::string& error);

}  // namespace artgen
