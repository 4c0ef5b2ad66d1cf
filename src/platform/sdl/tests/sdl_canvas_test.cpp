// Canvas through the platform: rectangles and pictures land where asked, captures are 24-bit.
#include <SDL.h>

#include "sdl_test_support.h"

namespace murk::testing_sdl {
namespace {

constexpr Rgb kBlue{0, 0, 200}, kRed{255, 0, 0}, kGreen{0, 255, 0};
constexpr uint32_t kBluePx = 0x0000c8, kRedPx = 0xff0000, kGreenPx = 0x00ff00;

using SdlCanvas = SdlPlatformTest;

TEST_F(SdlCanvas, CaptureOfAnAreaIs24BitWithPixelsInPlace) {
    platform->FillRect(0, 0, kCanvasWidth, kCanvasHeight, kBlue);
    platform->FillRect(110, 60, 5, 5, kRed);
    platform->FillRect(100, 50, 1, 1, kGreen);  // the area's top-left: catches a flipped file
    std::string error;
    const std::string file = Path("Capture000.bmp");
    ASSERT_TRUE(platform->SaveCanvasBmp(file, 100, 50, 40, 30, error)) << error;

    const BmpPicture bmp = ReadBmp(file);
    EXPECT_EQ(bmp.bitsPerPixel, 24);
    ASSERT_EQ(bmp.width, 40);
    ASSERT_EQ(bmp.height, 30);
    EXPECT_EQ(bmp.Pixel(0, 0), kGreenPx);
    EXPECT_EQ(bmp.Pixel(10, 10), kRedPx);
    EXPECT_EQ(bmp.Pixel(14, 14), kRedPx);
    EXPECT_EQ(bmp.Pixel(9, 10), kBluePx);
    EXPECT_EQ(bmp.Pixel(15, 14), kBluePx);
    EXPECT_EQ(bmp.Pixel(39, 29), kBluePx);
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
}

TEST_F(SdlCanvas, BadCaptureAreaOrFolderFailsWithAReason) {
    std::string error;
    EXPECT_FALSE(platform->SaveCanvasBmp(Path("a.bmp"), 1000, 0, 100, 10, error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(platform->SaveCanvasBmp(Path("no/such/dir/a.bmp"), 0, 0, 10, 10, error));
    EXPECT_NE(error.find("a.bmp"), std::string::npos) << error;
}

// A 32x32 24-bit picture: red left half, green right half, one blue pixel at its top-left.
std::string WriteTile(const std::string& path) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 32, 32, 24, SDL_PIXELFORMAT_BGR24);
    SDL_Rect left{0, 0, 16, 32}, right{16, 0, 16, 32}, corner{0, 0, 1, 1};
    SDL_FillRect(s, &left, SDL_MapRGB(s->format, 255, 0, 0));
    SDL_FillRect(s, &right, SDL_MapRGB(s->format, 0, 255, 0));
    SDL_FillRect(s, &corner, SDL_MapRGB(s->format, 0, 0, 200));
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(SdlCanvas, PicturesFromFileAndMemoryDrawOpaqueAtTheirOwnSize) {
    const std::string bytes = WriteTile(Path("A00-Floor.bmp"));
    std::string error;
    const ImageId fromFile = platform->LoadImageFile(Path("A00-Floor.bmp"), error);
    ASSERT_NE(fromFile, kNoImage) << error;
    const ImageId fromMemory = platform->LoadImageMemory(
        reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), error);
    ASSERT_NE(fromMemory, kNoImage) << error;
    EXPECT_NE(fromFile, fromMemory);
    int w = 0, h = 0;
    platform->ImageSize(fromMemory, w, h);
    EXPECT_EQ(w, 32);
    EXPECT_EQ(h, 32);

    platform->FillRect(0, 0, kCanvasWidth, kCanvasHeight, Rgb{9, 9, 9});
    ASSERT_TRUE(platform->DrawImage(fromFile, 64, 96, error)) << error;
    ASSERT_TRUE(platform->DrawImage(fromMemory, 992, 736, error)) << error;  // bottom-right square
    ASSERT_TRUE(platform->SaveCanvasBmp(Path("c.bmp"), 0, 0, kCanvasWidth, kCanvasHeight, error));
    const BmpPicture bmp = ReadBmp(Path("c.bmp"));
    EXPECT_EQ(bmp.Pixel(64, 96), kBluePx);
    EXPECT_EQ(bmp.Pixel(65, 96), kRedPx);
    EXPECT_EQ(bmp.Pixel(80, 127), kGreenPx);
    EXPECT_EQ(bmp.Pixel(96, 96), 0x090909u);
    EXPECT_EQ(bmp.Pixel(63, 96), 0x090909u);
    EXPECT_EQ(bmp.Pixel(992, 736), kBluePx);
    EXPECT_EQ(bmp.Pixel(1023, 767), kGreenPx);
}

TEST_F(SdlCanvas, PicturesThatCannotBeReadGiveNoImageAndAReason) {
    std::string error;
    EXPECT_EQ(platform->LoadImageFile("Objects/Z99-Missing.bmp", error), kNoImage);
    EXPECT_NE(error.find("Objects/Z99-Missing.bmp"), std::string::npos) << error;
    error.clear();
    const uint8_t junk[] = {'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(platform->LoadImageMemory(junk, sizeof junk, error), kNoImage);
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(platform->DrawImage(7, 0, 0, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace murk::testing_sdl
