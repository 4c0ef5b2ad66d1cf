// levelpic: draws every room of a level into one PNG (levelpic [options] LEVEL OUT.png).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/safefile.h"
#include "levelpic/levelpicture.h"
#include "levelpic/png.h"

namespace {

namespace fs = std::filesystem;

constexpr long long kMaxPixels = 120'000'000;  // a 20 x 20 level at full size is about twice this

constexpr const char* kUsage =
    "usage: levelpic [--objects DIR] [--scale N/M] [--room C R] LEVEL.lvl|LEVEL.dat OUT.png\n"
    "  --objects DIR  the tile pictures (default: Objects/ beside levelpic, then the build's)\n"
    "  --scale N/M    tile size 32*N/M pixels, e.g. 1/2 or 1/4 (default 1/1)\n"
    "  --room C R     only that room\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

std::string DefaultObjects(const char* argv0) {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    const fs::path beside = (ec ? fs::path(argv0) : self).parent_path() / "Objects";
    if (fs::is_directory(beside, ec)) return beside.string();
    return MURK_BUILD_OBJECTS;
}

}  // namespace

int main(int argc, char** argv) {
    std::string objects, scale = "1", in, out;
    int roomCol = 0, roomRow = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--objects" && i + 1 < argc) {
            objects = argv[++i];
        } else if (arg == "--scale" && i + 1 < argc) {
            scale = argv[++i];
        } else if (arg == "--room" && i + 2 < argc) {
            roomCol = std::atoi(argv[++i]);
            roomRow = std::atoi(argv[++i]);
        } else if (arg.rfind("--", 0) == 0 || !out.empty()) {
            return Usage();
        } else {
            (in.empty() ? in : out) = arg;
        }
    }
    if (out.empty()) return Usage();
    const int tileSize = murk::TileSizeForScale(scale);
    if (tileSize == 0) {
        std::fprintf(stderr,
                     "levelpic: bad scale '%s': use N/M, e.g. 1/2 (tiles of 1 to 64 pixels)\n",
                     scale.c_str());
        return 2;
    }
    const murk::LevelFile level = murk::ReadLevelFile(in);
    for (const std::string& e : level.errors) std::fprintf(stderr, "%s\n", e.c_str());
    if (!level.Ok()) return 1;
    if (roomCol && !level.HasRoom(roomCol, roomRow)) {
        std::fprintf(stderr, "levelpic: %s has no room %d %d (it is %d x %d rooms)\n",
                     level.name.c_str(), roomCol, roomRow, level.RoomsAcross(), level.RoomsDown());
        return 1;
    }
    const long long pixels =
        1LL * level.RoomsAcross() * level.RoomsDown() * 570 * tileSize * tileSize;
    if (!roomCol && pixels > kMaxPixels) {
        std::fprintf(stderr, "levelpic: %s is too large a picture at this scale; try --scale 1/2\n",
                     level.name.c_str());
        return 1;
    }
    if (objects.empty()) objects = DefaultObjects(argv[0]);
    murk::TileSet tiles;
    std::string error;
    if (!murk::LoadTileSet(objects, tileSize, tiles, error)) {
        std::fprintf(stderr, "levelpic: %s (give the game's Objects folder with --objects)\n",
                     error.c_str());
        return 1;
    }
    const murk::Picture picture = roomCol ? murk::DrawRoomPicture(level, tiles, roomCol, roomRow)
                                          : murk::DrawLevelPicture(level, tiles);
    if (!murk::WriteFileAtomically(
            out, murk::EncodePng(picture.width, picture.height, picture.pixels))) {
        std::fprintf(stderr, "levelpic: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
