// Game pads through SDL (the test pad, a virtual joystick driven by its file) and the game
// window's focus, as the game receives them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "platform/sdl/events.h"
#include "platform/sdl/testpad.h"
#include "sdl_test_support.h"

namespace murk::testing_sdl {
namespace {

class SdlPads : public SdlPlatformTest {
protected:
    void SetUp() override {
        // Without a window system no window has the keyboard, and SDL would keep pad presses
        // from a game in the background.
        setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
        SdlPlatformTest::SetUp();
        platform.reset();
        std::ofstream(Path("pad.txt")).flush();
        setenv(sdl::kTestPadVariable, Path("pad.txt").c_str(), 1);
        std::string error;
        platform = CreateSdlPlatform(error);
        unsetenv(sdl::kTestPadVariable);
        ASSERT_NE(platform, nullptr) << error;
    }

    void Tell(const std::string& lines) { std::ofstream(Path("pad.txt"), std::ios::app) << lines; }

    // The events the game receives within a bounded wait for `count` of them (then a little more,
    // to see that no others follow).
    std::vector<Event> Receive(size_t count) {
        std::vector<Event> got;
        const uint64_t until = platform->NowMs() + 1000;
        uint64_t settle = 0;
        Event e;
        while (platform->NowMs() < until && (settle == 0 || platform->NowMs() < settle)) {
            while (platform->PollEvent(e)) got.push_back(e);
            if (got.size() >= count && settle == 0) settle = platform->NowMs() + 30;
            platform->Sleep1ms();
        }
        return got;
    }
};

TEST_F(SdlPads, TheTestPadConnectsPressesMovesItsStickAndGoes) {
    std::vector<Event> got = Receive(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].kind, EventKind::PadAdded);
    EXPECT_EQ(got[0].text.size(), 33u + std::string("Murk test pad").size()) << got[0].text;
    EXPECT_EQ(got[0].text.substr(33), "Murk test pad");
    const int id = got[0].pad;

    Tell("press a dpright\nstick 100 -100\n");  // a stick that hardly moves says nothing
    got = Receive(2);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_TRUE(got[0].kind == EventKind::PadButtonDown && got[0].button == pad::A);
    EXPECT_TRUE(got[1].kind == EventKind::PadButtonDown && got[1].button == pad::DpadRight);
    EXPECT_EQ(got[1].pad, id);

    Tell("stick -20000 0\n");
    got = Receive(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_TRUE(got[0].kind == EventKind::PadAxis && got[0].button == pad::LeftX &&
                got[0].value == -20000);

    // Unplugged: SDL lets go of what it held first, then the pad goes.
    Tell("detach\n");
    got = Receive(4);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back().kind, EventKind::PadRemoved);
    EXPECT_EQ(got.back().pad, id);
    Tell("attach\n");
    got = Receive(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].kind, EventKind::PadAdded);
    EXPECT_NE(got[0].pad, id);
}

// A pad SDL does not know, or knows otherwise, is described in SDL_GAMECONTROLLERCONFIG: here
// the test pad with its first two buttons swapped.
TEST_F(SdlPads, SdlGameControllerConfigMapsAPad) {
    const std::vector<Event> added = Receive(1);
    ASSERT_EQ(added.size(), 1u);
    const std::string kind = added[0].text.substr(0, 32);
    platform.reset();
    // A mapping names the pad's kind without the checksum of its name (digits 5 to 8), as SDL's
    // mapping tools write it.
    const std::string mapped = kind.substr(0, 4) + "0000" + kind.substr(8);
    setenv("SDL_GAMECONTROLLERCONFIG", (mapped + ",Swapped pad,a:b1,b:b0,").c_str(), 1);
    setenv(sdl::kTestPadVariable, Path("pad.txt").c_str(), 1);
    std::string error;
    platform = CreateSdlPlatform(error);
    unsetenv(sdl::kTestPadVariable);
    unsetenv("SDL_GAMECONTROLLERCONFIG");
    ASSERT_NE(platform, nullptr) << error;
    std::vector<Event> got = Receive(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].text, kind + " Swapped pad");
    Tell("press a\n");  // the pad's first button, which the mapping calls B
    got = Receive(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_TRUE(got[0].kind == EventKind::PadButtonDown && got[0].button == pad::B);
}

TEST(SdlFocus, OnlyTheGameWindowsFocusReachesTheGame) {
    SDL_Event in{};
    in.type = SDL_WINDOWEVENT;
    in.window.windowID = 3;
    Event out;
    in.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    ASSERT_TRUE(sdl::TranslateEvent(in, out, 3));
    EXPECT_EQ(out.kind, EventKind::FocusLost);
    in.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    ASSERT_TRUE(sdl::TranslateEvent(in, out, 3));
    EXPECT_EQ(out.kind, EventKind::FocusGained);
    EXPECT_FALSE(sdl::TranslateEvent(in, out, 4)) << "a message box's own focus";
}

}  // namespace
}  // namespace murk::testing_sdl
