// The level picture tool: tile pictures resampled and laid out room by room, and its PNG files.
#include <gtest/gtest.h>
#include <zlib.h>

#include "base/bmp.h"
#include "base/tiles.h"
#include "levelpic/levelpicture.h"
#include "levelpic/png.h"
#include "test_support.h"

namespace {

using murk::test::MakeRoom;

uint32_t TileColour(int index) {
    return 0x010203u * static_cast<uint32_t>(index + 1);
}

// An Objects folder of solid tiles, each its own colour.
void WriteSolidTiles(murk::test::TempGameDir& dir) {
    for (int i = 0; i < murk::kTileCount; ++i) {
        const std::vector<uint32_t> px(32 * 32, TileColour(i));
        dir.WriteFile("Objects/" + murk::TileFileName(i), murk::EncodeBmp24(32, 32, px.data(), 32));
    }
}

TEST(LevelPicture, DrawsRoomsSideBySideWithTheirTiles) {
    murk::test::TempGameDir dir;
    WriteSolidTiles(dir);
    murk::TileSet tiles;
    std::string error;
    ASSERT_TRUE(murk::LoadTileSet(dir.Dir() + "Objects", 8, tiles, error)) << error;

    murk::LevelFile level;
    level.grid.Resize(3, 2);
    level.grid.SetCell(1, 1, MakeRoom("A32", {{1, 1, "A45"}}));
    level.grid.SetCell(2, 1, MakeRoom("A00", {{30, 19, "ZAB"}, {2, 1, "Q99"}}));
    const murk::Picture pic = murk::DrawLevelPicture(level, tiles);
    ASSERT_EQ(pic.width, 2 * 30 * 8 + 1);  // a one-pixel line between the rooms at this scale
    ASSERT_EQ(pic.height, 19 * 8);
    auto at = [&](int x, int y) { return pic.pixels[static_cast<size_t>(y) * pic.width + x]; };
    EXPECT_EQ(at(3, 3), TileColour(45));   // the finish, room 1 1 square 1 1
    EXPECT_EQ(at(8, 0), TileColour(32));   // its neighbour, a wall
    EXPECT_EQ(at(240, 0), 0x808080u);      // the line
    EXPECT_EQ(at(241, 0), TileColour(0));  // room 2 1 square 1 1
    EXPECT_EQ(at(241 + 8, 0), 0xff00ffu);  // an unknown code
    EXPECT_EQ(at(pic.width - 1, pic.height - 1), TileColour(murk::kSlideFieldIndex));

    // Shrinking averages: a 2x2 black-and-white checker becomes one mid-grey pixel.
    const murk::Picture checker{2, 2, {0, 0xffffff, 0xffffff, 0}};
    EXPECT_EQ(murk::ResizeTile(checker, 1).pixels[0], 0x808080u);
    EXPECT_EQ(murk::TileSizeForScale("1/2"), 16);
    EXPECT_EQ(murk::TileSizeForScale("3/4"), 24);
    EXPECT_EQ(murk::TileSizeForScale("0/2"), 0);
    EXPECT_EQ(murk::TileSizeForScale("1/x"), 0);

    std::filesystem::remove(dir.Path() / "Objects" / murk::TileFileName(7));
    EXPECT_FALSE(murk::LoadTileSet(dir.Dir() + "Objects", 8, tiles, error));
    EXPECT_NE(error.find("A07-Chigger.bmp"), std::string::npos) << error;
}

uint32_t BigEndian(const std::string& s, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<uint8_t>(s[at + i]);
    return v;
}

// A PNG file's chunks checked and taken apart: the IHDR data and the inflated image rows.
struct PngParts {
    std::string header, rows;
};
PngParts ReadPng(const std::string& png, size_t rowBytes) {
    PngParts parts;
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    std::string idat;
    std::vector<std::string> types;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = BigEndian(png, at);
        const std::string typed = png.substr(at + 4, 4 + length);
        const auto crc =
            crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()));
        EXPECT_EQ(BigEndian(png, at + 8 + length), crc) << typed.substr(0, 4);
        types.push_back(typed.substr(0, 4));
        if (types.back() == "IHDR") parts.header = typed.substr(4);
        if (types.back() == "IDAT") idat += typed.substr(4);
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    parts.rows.assign(rowBytes, '\0');
    uLongf rawSize = parts.rows.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(parts.rows.data()), &rawSize,
                         reinterpret_cast<const Bytef*>(idat.data()), idat.size()),
              Z_OK);
    return parts;
}

TEST(LevelPicture, PngHoldsTheRowsWithValidChecksums) {
    const std::vector<uint32_t> px = {0x102030, 0x405060, 0x708090, 0xa0b0c0, 0xd0e0f0, 0x000001};
    const PngParts rgb = ReadPng(murk::EncodePng(3, 2, px), 2 * (1 + 3 * 3));
    EXPECT_EQ(BigEndian(rgb.header, 0), 3u);
    EXPECT_EQ(BigEndian(rgb.header, 4), 2u);
    EXPECT_EQ(rgb.header.substr(8, 2), std::string("\x08\x02", 2));  // 8 bits, RGB
    EXPECT_EQ(rgb.rows, std::string("\0\x10\x20\x30\x40\x50\x60\x70\x80\x90"
                                    "\0\xa0\xb0\xc0\xd0\xe0\xf0\x00\x00\x01",
                                    20));

    // With transparency (the desktop icon): each pixel's opacity follows its colour.
    const PngParts rgba = ReadPng(murk::EncodePng(2, 1, {0xff102030, 0x00405060}, true), 9);
    EXPECT_EQ(rgba.header.substr(8, 2), std::string("\x08\x06", 2));  // 8 bits, RGBA
    EXPECT_EQ(rgba.rows, std::string("\0\x10\x20\x30\xff\x40\x50\x60\x00", 9));
}

}  // namespace
