// artgen: draws every picture of the game. Usage: artgen OBJECTS_DIR PICTURES_CPP [ICONS_DIR]
#include <cstdio>
#include <filesystem>

#include "base/tiles.h"
#include "output.h"
#include "tile_art.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: artgen OBJECTS_DIR PICTURES_CPP [ICONS_DIR]\n");
        return 2;
    }
    std::vector<artgen::Canvas> tiles;
    for (int i = 0; i < murk::kTileCount; ++i) tiles.push_back(artgen::DrawTile(i));
    const std::vector<std::string> problems = artgen::CheckTiles(tiles);
    for (const std::string& p : problems) std::fprintf(stderr, "artgen: %s\n", p.c_str());
    if (!problems.empty()) return 1;

    std::error_code ec;
    std::filesystem::create_directories(argv[1], ec);
    std::string error;
    if (!artgen::WriteTiles(tiles, argv[1], error) ||
        !artgen::WriteFile(argv[2], artgen::PicturesSource(artgen::DrawWindowPictures()), error) ||
        (argc == 4 && !artgen::WriteIcons(argv[3], error))) {
        std::fprintf(stderr, "artgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
