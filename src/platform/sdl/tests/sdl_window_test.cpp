// The window: sharp scaling and click mapping, the remembered window choice, Alt+Enter, idle waits.
#include <SDL.h>

#include "platform/sdl/fit.h"
#include "platform/sdl/windowchoice.h"
#include "sdl_test_support.h"

namespace murk::testing_sdl {
namespace {

using sdl::FitPicture;
using sdl::PictureRect;
using SdlWindow = SdlPlatformTest;

TEST(SdlFit, WholeNumberScalesCentredAndSmallWindowsShrinkInShape) {
    EXPECT_EQ(FitPicture(1024, 768), (PictureRect{0, 0, 1024, 768}));
    EXPECT_EQ(FitPicture(1280, 1024), (PictureRect{128, 128, 1024, 768}));
    EXPECT_EQ(FitPicture(1920, 1080), (PictureRect{448, 156, 1024, 768}));
    EXPECT_EQ(FitPicture(2100, 1600), (PictureRect{26, 32, 2048, 1536}));
    EXPECT_EQ(FitPicture(3072, 1600), (PictureRect{512, 32, 2048, 1536}));  // height decides
    EXPECT_EQ(FitPicture(800, 600), (PictureRect{0, 0, 800, 600}));
    EXPECT_EQ(FitPicture(1000, 300), (PictureRect{300, 0, 400, 300}));
    EXPECT_EQ(FitPicture(512, 700), (PictureRect{0, 158, 512, 384}));
    const PictureRect tiny = FitPicture(0, -5);
    EXPECT_GT(tiny.w, 0);
    EXPECT_GT(tiny.h, 0);
}

TEST(SdlFit, WindowPixelsMapBackToCanvasPixelsAndTheBorderMissesTheCanvas) {
    auto map = [](PictureRect r, int x, int y) {
        sdl::WindowToCanvas(r, x, y);
        return std::make_pair(x, y);
    };
    const PictureRect twice = FitPicture(2100, 1600);
    EXPECT_EQ(map(twice, 26, 32), std::make_pair(0, 0));
    EXPECT_EQ(map(twice, 26 + 2047, 32 + 1535), std::make_pair(1023, 767));
    EXPECT_EQ(map(twice, 26 + 401, 32 + 600), std::make_pair(200, 300));
    EXPECT_EQ(map(twice, 25, 31), std::make_pair(-1, -1));
    const PictureRect small = FitPicture(512, 700);
    EXPECT_EQ(map(small, 256, 158 + 192), std::make_pair(512, 384));
    EXPECT_LT(map(small, 10, 100).second, 0);
    EXPECT_GE(map(small, 10, 600).second, kCanvasHeight);
}

TEST(SdlWindowChoice, ReadsBackAsWrittenAndAnythingDamagedMeansFullScreen) {
    const sdl::WindowChoice window{true, 1300, 900};
    EXPECT_EQ(sdl::ParseWindowChoice(sdl::FormatWindowChoice(window)), window);
    const sdl::WindowChoice full{false, 800, 600};
    EXPECT_EQ(sdl::ParseWindowChoice(sdl::FormatWindowChoice(full)), full);
    for (const char* damaged :
         {"", "Window", "Window 800", "Window x y", "Windowed 800 600", "Window 0 600",
          "Window -800 600", "Window 800 99999999999", "\xff\xfe\x00 1 2"})
        EXPECT_EQ(sdl::ParseWindowChoice(damaged), sdl::WindowChoice{}) << damaged;

    const auto dir =
        std::filesystem::temp_directory_path() / ("murk_sdl_choice_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "Display.dat").string();
    EXPECT_EQ(sdl::ReadWindowChoice(file), sdl::WindowChoice{});  // missing
    std::ofstream(file) << std::string(100000, 'W');              // far too long
    EXPECT_EQ(sdl::ReadWindowChoice(file), sdl::WindowChoice{});
    sdl::WriteWindowChoice(file, window);
    EXPECT_EQ(sdl::ReadWindowChoice(file), window);
    std::filesystem::remove_all(dir);
}

void PushKey(Uint32 type, SDL_Scancode key, Uint16 mod) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.scancode = key;
    e.key.keysym.mod = mod;
    SDL_PushEvent(&e);
}

std::vector<Event> Drain(Platform& pf) {
    std::vector<Event> got;
    Event e;
    while (pf.PollEvent(e)) got.push_back(e);
    return got;
}

TEST_F(SdlWindow, AltEnterSwitchesWindowAndFullScreenRemembersItAndKeepsItsEnter) {
    platform.reset();
    std::string error;
    platform = CreateSdlPlatform(error, Path("Display.dat"));
    ASSERT_NE(platform, nullptr) << error;
    platform->ShowWindow();
    Drain(*platform);

    PushKey(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT);
    PushKey(SDL_KEYUP, SDL_SCANCODE_RETURN, KMOD_LALT);
    for (const Event& e : Drain(*platform)) EXPECT_NE(e.key, vk::Enter);
    EXPECT_EQ(sdl::ReadWindowChoice(Path("Display.dat")), (sdl::WindowChoice{true, 1024, 768}));

    PushKey(SDL_KEYDOWN, SDL_SCANCODE_KP_ENTER, KMOD_RALT);
    PushKey(SDL_KEYUP, SDL_SCANCODE_KP_ENTER, KMOD_NONE);  // Alt let go first
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_NONE);
    PushKey(SDL_KEYUP, SDL_SCANCODE_RETURN, KMOD_NONE);
    std::vector<int> enters;
    for (const Event& e : Drain(*platform))
        if (e.key == vk::Enter) enters.push_back(e.kind == EventKind::KeyDown ? 1 : 2);
    EXPECT_EQ(enters, (std::vector<int>{1, 2}));  // only the plain Enter reaches the game
    EXPECT_EQ(sdl::ReadWindowChoice(Path("Display.dat")).windowed, false);
}

void PushWindowEvent(SDL_WindowEventID id) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = static_cast<Uint8>(id);
    SDL_PushEvent(&e);
}

// The canvas keeps the picture, so a window shown, exposed (as by a message box closing over
// it), restored or resized is presented again from it. The game is not asked to paint: its
// paint would clear a room left on the screen by a game that has stopped.
TEST_F(SdlWindow, AnExposedWindowIsPresentedFromTheCanvasWithoutAPaintForTheGame) {
    platform->ShowWindow();
    for (SDL_WindowEventID id : {SDL_WINDOWEVENT_EXPOSED, SDL_WINDOWEVENT_RESTORED,
                                 SDL_WINDOWEVENT_SHOWN, SDL_WINDOWEVENT_SIZE_CHANGED})
        PushWindowEvent(id);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    std::vector<EventKind> kinds;
    for (const Event& e : Drain(*platform)) kinds.push_back(e.kind);
    EXPECT_EQ(kinds, std::vector<EventKind>{EventKind::Close});
}

SDL_Window* GameWindow() {
    for (Uint32 id = 1; id < 1000; ++id)
        if (SDL_Window* w = SDL_GetWindowFromID(id); w && SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN)
            return w;
    return nullptr;
}

// Drawn straight into the window surface where the picture is shown unscaled, the canvas must
// take its picture along whenever that surface is replaced: scaled, unscaled at another place,
// back again, and through Alt+Enter.
TEST_F(SdlWindow, ThePictureOutlivesEveryChangeOfTheWindowsSize) {
    platform->ShowWindow();
    platform->FillRect(100, 100, 32, 32, {255, 0, 0});
    platform->WaitEvent(platform->NowMs());  // presents
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT);
    PushKey(SDL_KEYUP, SDL_SCANCODE_RETURN, KMOD_LALT);
    Drain(*platform);
    SDL_Window* window = GameWindow();
    ASSERT_NE(window, nullptr);
    const Rgb colours[] = {{0, 255, 0}, {0, 0, 255}, {255, 255, 0}};
    const SDL_Point sizes[] = {{700, 500}, {1200, 900}, {1024, 768}};
    for (int i = 0; i < 3; ++i) {
        SDL_SetWindowSize(window, sizes[i].x, sizes[i].y);
        Drain(*platform);
        platform->FillRect(200 + 40 * i, 100, 32, 32, colours[i]);
        platform->WaitEvent(platform->NowMs());
    }
    std::string error;
    ASSERT_TRUE(platform->SaveCanvasBmp(Path("shot.bmp"), 0, 0, 1024, 768, error)) << error;
    const testing_sdl::BmpPicture shot = testing_sdl::ReadBmp(Path("shot.bmp"));
    EXPECT_EQ(shot.Pixel(110, 110), 0xFF0000u);
    EXPECT_EQ(shot.Pixel(210, 110), 0x00FF00u);
    EXPECT_EQ(shot.Pixel(250, 110), 0x0000FFu);
    EXPECT_EQ(shot.Pixel(290, 110), 0xFFFF00u);
    // And the screen shows it: the window surface, 1:1 at its corner.
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    ASSERT_NE(screen, nullptr);
    const auto* row = static_cast<const Uint32*>(screen->pixels) + 110 * screen->pitch / 4;
    EXPECT_EQ(row[110] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(row[250] & 0xFFFFFF, 0x0000FFu);
}

TEST_F(SdlWindow, AnIdleWaitEndsAtItsDeadlineOrAtOnceForAPendingEvent) {
    platform->ShowWindow();
    Drain(*platform);
    // The window system may still have things of its own to say about a new window, and each
    // ends a wait early; the waits still block, and time reaches the deadline in a few of them.
    const uint64_t until = platform->NowMs() + 30;
    int waits = 0;
    while (platform->NowMs() < until && waits < 20) {
        platform->WaitEvent(until);
        Drain(*platform);
        ++waits;
    }
    EXPECT_GE(platform->NowMs(), until);
    EXPECT_LT(waits, 20);

    PushKey(SDL_KEYDOWN, SDL_SCANCODE_F2, KMOD_NONE);
    platform->WaitEvent(kNoDeadline);
    std::vector<int> keys;
    for (const Event& got : Drain(*platform))
        if (got.kind == EventKind::KeyDown) keys.push_back(got.key);
    EXPECT_EQ(keys, std::vector<int>{vk::F2});
}

}  // namespace
}  // namespace murk::testing_sdl
