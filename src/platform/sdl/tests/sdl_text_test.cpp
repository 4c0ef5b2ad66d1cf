// Text through the platform: measured sizes, blended pixels kept inside the clip, font files.
#include <SDL.h>

#include "platform/sdl/fonts.h"
#include "sdl_test_support.h"

namespace murk::testing_sdl {
namespace {

using SdlText = SdlPlatformTest;

TEST_F(SdlText, SizeGrowsWithTextAndFont) {
    int w1 = 0, h1 = 0, w2 = 0, h2 = 0, w3 = 0, h3 = 0;
    platform->TextSize(Font{FontFace::SansBold, 21}, "Level 1", w1, h1);
    platform->TextSize(Font{FontFace::SansBold, 21}, "Level 100", w2, h2);
    platform->TextSize(Font{FontFace::SansBold, 42}, "Level 1", w3, h3);
    EXPECT_GT(w1, 0);
    EXPECT_GE(h1, 21);
    EXPECT_GT(w2, w1);
    EXPECT_EQ(h2, h1);
    EXPECT_GT(w3, w1 * 3 / 2);
    EXPECT_GT(h3, h1 * 3 / 2);
    platform->TextSize(Font{FontFace::ComicBold, 30}, "Title", w1, h1);
    EXPECT_GT(w1, 0);
}

// Counts the pixels of the capture that are not black, inside and outside `clip`.
void CountInk(const BmpPicture& bmp, SDL_Rect clip, int& inside, int& outside, int& pure) {
    inside = outside = pure = 0;
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x) {
            const uint32_t px = bmp.Pixel(x, y);
            if (px == 0) continue;
            const bool in =
                x >= clip.x && y >= clip.y && x < clip.x + clip.w && y < clip.y + clip.h;
            (in ? inside : outside)++;
            if (px == 0xffff00) ++pure;
        }
}

TEST_F(SdlText, DrawnTextHasItsColourInsideTheClipAndNothingOutside) {
    platform->FillRect(0, 0, kCanvasWidth, kCanvasHeight, Rgb{});
    const Font font{FontFace::SansBold, 40};
    int w = 0, h = 0;
    platform->TextSize(font, "WWWWWW", w, h);
    // The clip cuts the text's left and right ends and its lower half.
    const SDL_Rect clip{120, 100, w - 40, h / 2};
    platform->DrawText(font, Rgb{255, 255, 0}, 100, 100, "WWWWWW", clip.x, clip.y, clip.w, clip.h);
    // Drawing the same text again comes from the cache and must look the same.
    platform->DrawText(font, Rgb{255, 255, 0}, 100, 100, "WWWWWW", clip.x, clip.y, clip.w, clip.h);
    std::string error;
    ASSERT_TRUE(platform->SaveCanvasBmp(Path("t.bmp"), 0, 0, 400, 300, error)) << error;
    int inside = 0, outside = 0, pure = 0;
    CountInk(ReadBmp(Path("t.bmp")), clip, inside, outside, pure);
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);
    EXPECT_GT(pure, 50);  // solid strokes carry the exact colour
}

TEST_F(SdlText, EmptyTextAndEmptyClipDrawNothing) {
    platform->FillRect(0, 0, kCanvasWidth, kCanvasHeight, Rgb{});
    platform->DrawText(Font{}, Rgb{255, 255, 0}, 10, 10, "", 0, 0, 400, 300);
    platform->DrawText(Font{}, Rgb{255, 255, 0}, 10, 10, "Hidden", 0, 0, 0, 300);
    std::string error;
    ASSERT_TRUE(platform->SaveCanvasBmp(Path("e.bmp"), 0, 0, 400, 300, error)) << error;
    int inside = 0, outside = 0, pure = 0;
    CountInk(ReadBmp(Path("e.bmp")), SDL_Rect{0, 0, 0, 0}, inside, outside, pure);
    EXPECT_EQ(inside + outside, 0);
}

TEST(SdlFonts, FacesResolveToTheirFiles) {
    EXPECT_EQ(sdl::FontFileFor(FontFace::SansBold),
              "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    EXPECT_EQ(sdl::FontFileFor(FontFace::Sans), "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    const std::string comic = sdl::FontFileFor(FontFace::ComicBold);
    EXPECT_TRUE(std::filesystem::exists(comic)) << comic;
    if (!std::filesystem::exists("/usr/share/fonts/opentype/comic-neue"))
        GTEST_SKIP() << "Comic Neue is not installed";
    EXPECT_NE(comic.find("ComicNeue-Bold"), std::string::npos) << comic;
}

}  // namespace
}  // namespace murk::testing_sdl
