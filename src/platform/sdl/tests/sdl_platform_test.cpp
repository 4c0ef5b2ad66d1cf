// The rest of the SDL platform under the dummy drivers: window, boxes, sounds, files, pacing.
#include <SDL.h>
#include <sys/stat.h>

#include <chrono>

#include "platform/sdl/boxes.h"
#include "platform/sdl/pacer.h"
#include "sdl_test_support.h"

namespace murk::testing_sdl {
namespace {

using SdlPlatform = SdlPlatformTest;

TEST_F(SdlPlatform, TheWindowShowsAndTheModeCanBeSetAndRestored) {
    platform->ShowWindow();

    int w = 0, h = 0;
    platform->DisplaySize(w, h);
    EXPECT_GT(w, 0);
    EXPECT_GT(h, 0);
    EXPECT_EQ(platform->SetDisplayMode(kCanvasWidth, kCanvasHeight), 0);
    EXPECT_EQ(platform->SetDisplayMode(w, h), 0);  // the restore at shut-down
    platform->SetPointer(Pointer::Busy);
    platform->SetPointer(Pointer::Hidden);
    platform->SetPointer(Pointer::Normal);
    platform->HideWindow();
}

// Pointer moves come only while a screen tracks the pointer, and of moves one after another only
// the last: where the pointer is now.
TEST_F(SdlPlatform, PointerMovesComeOnlyWhileTrackedAndTheLastOfARun) {
    platform->ShowWindow();
    Event e;
    while (platform->PollEvent(e)) {
    }
    const auto move = [](int x, int y) {
        SDL_Event m{};
        m.type = SDL_MOUSEMOTION;
        m.motion.x = x;
        m.motion.y = y;
        SDL_PushEvent(&m);
    };
    move(10, 10);
    EXPECT_FALSE(platform->PollEvent(e));  // never seen: an idle wait does not wake for it
    platform->TrackPointer(true);
    move(10, 10);
    move(20, 10);
    move(30, 12);
    ASSERT_TRUE(platform->PollEvent(e));
    EXPECT_EQ(e.kind, EventKind::MouseMove);
    EXPECT_FALSE(platform->PollEvent(e));
    platform->TrackPointer(false);
    move(10, 10);
    EXPECT_FALSE(platform->PollEvent(e));
}

TEST_F(SdlPlatform, BoxesWithoutAWindowSystemPrintTheirTextAndAgree) {
    platform->ShowWindow();
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(platform->MessageBox(BoxKind::ConfirmYesNo, "Abort game and return to menu?"));
    EXPECT_TRUE(platform->MessageBox(BoxKind::Error, "No levels found."));
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("Abort game and return to menu?"), std::string::npos);
    EXPECT_NE(printed.find("No levels found."), std::string::npos);
}

// Return takes a box's default, Escape its No or Cancel (or the OK of a note), Y and N only a
// Yes / No question's answers; other keys do nothing.
TEST(SdlBoxes, KeysAnswerAsTheButtonsSay) {
    using sdl::AnswerForKey;
    for (BoxKind kind : {BoxKind::ConfirmYesNo, BoxKind::ConfirmOkCancel}) {
        EXPECT_EQ(AnswerForKey(kind, SDLK_RETURN), true);
        EXPECT_EQ(AnswerForKey(kind, SDLK_KP_ENTER), true);
        EXPECT_EQ(AnswerForKey(kind, SDLK_ESCAPE), false);
        EXPECT_EQ(AnswerForKey(kind, SDLK_SPACE), std::nullopt);
    }
    EXPECT_EQ(AnswerForKey(BoxKind::ConfirmYesNo, SDLK_y), true);
    EXPECT_EQ(AnswerForKey(BoxKind::ConfirmYesNo, SDLK_n), false);
    EXPECT_EQ(AnswerForKey(BoxKind::ConfirmOkCancel, SDLK_n), std::nullopt);
    for (BoxKind kind : {BoxKind::Error, BoxKind::Exception, BoxKind::Plain}) {
        EXPECT_EQ(AnswerForKey(kind, SDLK_ESCAPE), true);
        EXPECT_EQ(AnswerForKey(kind, SDLK_y), std::nullopt);
    }
}

// Lines break at spaces before they grow too wide, and at the text's own line ends; a word too
// wide for any line stands alone.
TEST(SdlBoxes, TextWrapsAtSpacesWithinTheWidth) {
    const auto chars = [](const std::string& line) { return static_cast<int>(line.size()); };
    EXPECT_EQ(sdl::WrapText("Abort game and return to menu?", 14, chars),
              (std::vector<std::string>{"Abort game and", "return to", "menu?"}));
    EXPECT_EQ(sdl::WrapText("a\n\nunbreakableword b", 5, chars),
              (std::vector<std::string>{"a", "", "unbreakableword", "b"}));
    EXPECT_EQ(sdl::WrapText("", 5, chars), std::vector<std::string>{""});
}

// A short silent 8-bit mono WAV file.
void WriteWav(const std::string& path) {
    const uint32_t samples = 800;
    std::string b = "RIFF";
    auto put32 = [&b](uint32_t v) {
        for (int i = 0; i < 4; ++i) b += static_cast<char>(v >> (8 * i));
    };
    auto put16 = [&b](uint16_t v) {
        b += static_cast<char>(v);
        b += static_cast<char>(v >> 8);
    };
    put32(36 + samples);
    b += "WAVEfmt ";
    put32(16), put16(1), put16(1), put32(8000), put32(8000), put16(1), put16(8);
    b += "data";
    put32(samples);
    b.append(samples, static_cast<char>(128));
    std::ofstream(path, std::ios::binary) << b;
}

TEST_F(SdlPlatform, WavSoundsOpenEachOnItsOwnHandleAndPlayWithoutWaiting) {
    WriteWav(Path("S00-Shot.wav"));
    WriteWav(Path("S01-Door.wav"));
    std::string error;
    const SoundHandle shot = platform->OpenSound(Path("S00-Shot.wav"), error);
    const SoundHandle door = platform->OpenSound(Path("S01-Door.wav"), error);
    ASSERT_NE(shot, kNoSound) << error;
    ASSERT_NE(door, kNoSound) << error;
    EXPECT_NE(shot, door);
    const auto start = std::chrono::steady_clock::now();
    platform->PlaySound(shot);
    platform->PlaySound(door);
    platform->RewindSound(shot);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    EXPECT_TRUE(platform->StopSound(shot));
    EXPECT_FALSE(platform->StopSound(99));

    EXPECT_EQ(platform->OpenSound(Path("S99-Missing.wav"), error), kNoSound);
    EXPECT_FALSE(error.empty());
}

TEST_F(SdlPlatform, ReadOnlyFilesAreSeenAndMadeWritable) {
    const std::string file = Path("Options.dat");
    std::ofstream(file) << "x";
    EXPECT_TRUE(platform->FileExists(file));
    EXPECT_FALSE(platform->FileExists(Path("none.dat")));
    EXPECT_FALSE(platform->IsReadOnly(file));
    chmod(file.c_str(), 0444);
    EXPECT_TRUE(platform->IsReadOnly(file));
    EXPECT_TRUE(platform->MakeWritable(file));
    EXPECT_FALSE(platform->IsReadOnly(file));
    EXPECT_FALSE(platform->MakeWritable(Path("none.dat")));
    EXPECT_EQ(platform->CurrentDirectory(), std::filesystem::current_path().string());
}

TEST(SdlPacer, DeadlinesAdvanceOneMillisecondUnlessFarBehind) {
    constexpr uint64_t ms = 1'000'000;
    EXPECT_EQ(sdl::NextDeadlineNs(100 * ms, 100 * ms), 101 * ms);
    EXPECT_EQ(sdl::NextDeadlineNs(100 * ms, 100 * ms + ms / 2), 101 * ms);  // slack not added
    EXPECT_EQ(sdl::NextDeadlineNs(100 * ms, 105 * ms), 101 * ms);  // a little behind: catch up
    EXPECT_EQ(sdl::NextDeadlineNs(100 * ms, 130 * ms), 131 * ms);  // a stall: start afresh
}

TEST(SdlPacer, SleepsKeepRoughlyTheirPace) {
    sdl::Pacer pacer;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; ++i) pacer.Sleep1ms();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(95));
    EXPECT_LT(took, std::chrono::milliseconds(400));
}

}  // namespace
}  // namespace murk::testing_sdl
