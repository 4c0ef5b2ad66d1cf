// Level pictures: tile pictures read from Objects/, resampled, and laid out room by room.
#include "levelpic/levelpicture.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/bmp.h"
#include "base/safefile.h"
#include "base/tiles.h"

namespace murk {

namespace {

constexpr size_t kMaxTileFileBytes = 1u << 20;
constexpr uint32_t kUnknownColour = 0xff00ff;
constexpr uint32_t kMissingColour = 0x000000;
constexpr uint32_t kSeparatorColour = 0x808080;
constexpr int kMaxTileSize = 64;

int SeparatorWidth(int tileSize) {
    return std::max(1, tileSize / 16);
}

void Blit(Picture& into, const Picture& tile, int x0, int y0) {
    for (int y = 0; y < tile.height; ++y)
        std::copy_n(tile.pixels.begin() + static_cast<ptrdiff_t>(y) * tile.width, tile.width,
                    into.pixels.begin() + static_cast<ptrdiff_t>(y0 + y) * into.width + x0);
}

void Fill(Picture& into, int x0, int y0, int w, int h, uint32_t colour) {
    for (int y = y0; y < y0 + h; ++y)
        std::fill_n(into.pixels.begin() + static_cast<ptrdiff_t>(y) * into.width + x0, w, colour);
}

Picture Blank(int width, int height, uint32_t colour) {
    return Picture{width, height,
                   std::vector<uint32_t>(static_cast<size_t>(width) * height, colour)};
}

// Draws one room with its top-left corner at (x0, y0).
void DrawRoomAt(Picture& into, const LevelFile& level, const TileSet& tiles, int roomCol,
                int roomRow, int x0, int y0) {
    const int s = tiles.size;
    for (int row = 1; row <= kRoomRows; ++row)
        for (int col = 1; col <= kRoomCols; ++col) {
            const int x = x0 + (col - 1) * s, y = y0 + (row - 1) * s;
            const std::string code(level.At(roomCol, roomRow, col, row));
            const int index = TileIndex(code);
            if (code.empty())
                Fill(into, x, y, s, s, kMissingColour);
            else if (index < 0)
                Fill(into, x, y, s, s, kUnknownColour);
            else
                Blit(into, tiles.tiles[static_cast<size_t>(index)], x, y);
        }
}

bool ParsePositive(std::string_view text, int& out) {
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && p == end && out > 0;
}

}  // namespace

Picture ResizeTile(const Picture& tile, int size) {
    Picture out = Blank(size, size, 0);
    const double sx = static_cast<double>(tile.width) / size;
    const double sy = static_cast<double>(tile.height) / size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            // Average the source pixels under the output pixel, each weighted by its overlap.
            const double left = x * sx, right = (x + 1) * sx, top = y * sy, bottom = (y + 1) * sy;
            double sum[3] = {0, 0, 0}, weight = 0;
            for (int v = static_cast<int>(top); v < bottom && v < tile.height; ++v)
                for (int u = static_cast<int>(left); u < right && u < tile.width; ++u) {
                    const double w = (std::min<double>(right, u + 1) - std::max<double>(left, u)) *
                                     (std::min<double>(bottom, v + 1) - std::max<double>(top, v));
                    const uint32_t p = tile.pixels[static_cast<size_t>(v) * tile.width + u];
                    sum[0] += w * ((p >> 16) & 0xff);
                    sum[1] += w * ((p >> 8) & 0xff);
                    sum[2] += w * (p & 0xff);
                    weight += w;
                }
            uint32_t p = 0;
            for (double channel : sum)
                p = (p << 8) | static_cast<uint32_t>(std::lround(channel / weight));
            out.pixels[static_cast<size_t>(y) * size + x] = p;
        }
    return out;
}

bool LoadTileSet(const std::string& objectsDir, int size, TileSet& set, std::string& error) {
    set.size = size;
    set.tiles.clear();
    for (int i = 0; i < kTileCount; ++i) {
        const std::string path = objectsDir + "/" + TileFileName(i);
        std::string bytes;
        if (ReadWholeFile(path, kMaxTileFileBytes, bytes) != FileReadResult::Read) {
            error = path + ": cannot be read";
            return false;
        }
        Picture tile;
        std::string why;
        if (!DecodeBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), tile.width,
                       tile.height, tile.pixels, why)) {
            error = path + ": " + why;
            return false;
        }
        if (tile.width < 1 || tile.height < 1) {
            error = path + ": the picture is empty";
            return false;
        }
        set.tiles.push_back(tile.width == size && tile.height == size ? tile
                                                                      : ResizeTile(tile, size));
    }
    return true;
}

int TileSizeForScale(const std::string& scale) {
    const size_t slash = scale.find('/');
    int num = 0, den = 1;
    if (!ParsePositive(std::string_view(scale).substr(0, slash), num)) return 0;
    if (slash != std::string::npos &&
        !ParsePositive(std::string_view(scale).substr(slash + 1), den))
        return 0;
    const long size = std::lround(static_cast<double>(kTilePixels) * num / den);
    return size >= 1 && size <= kMaxTileSize ? static_cast<int>(size) : 0;
}

Picture DrawRoomPicture(const LevelFile& level, const TileSet& tiles, int roomCol, int roomRow) {
    Picture out = Blank(kRoomCols * tiles.size, kRoomRows * tiles.size, kMissingColour);
    DrawRoomAt(out, level, tiles, roomCol, roomRow, 0, 0);
    return out;
}

Picture DrawLevelPicture(const LevelFile& level, const TileSet& tiles) {
    const int across = std::max(0, level.RoomsAcross()), down = std::max(0, level.RoomsDown());
    const int gap = SeparatorWidth(tiles.size);
    const int roomW = kRoomCols * tiles.size, roomH = kRoomRows * tiles.size;
    Picture out = Blank(std::max(1, across * (roomW + gap) - gap),
                        std::max(1, down * (roomH + gap) - gap), kSeparatorColour);
    for (int rr = 1; rr <= down; ++rr)
        for (int rc = 1; rc <= across; ++rc)
            DrawRoomAt(out, level, tiles, rc, rr, (rc - 1) * (roomW + gap),
                       (rr - 1) * (roomH + gap));
    return out;
}

}  // namespace murk
