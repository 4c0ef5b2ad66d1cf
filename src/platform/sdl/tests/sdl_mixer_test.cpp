// The mixer: voices summed and clipped, effects restarting themselves, the song decoded, and the
// audio device closed while quiet and opened again by the next sound.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/sdl/mixer.h"

namespace murk::sdl {
namespace {

std::vector<int16_t> Mixed(Mixer& mixer, size_t count) {
    std::vector<int16_t> out(count, 1234);
    mixer.Mix(out.data(), count);
    return out;
}

TEST(SdlMixer, EffectsAddUpClippedRestartThemselvesAndStop) {
    Mixer mixer;
    const int shot = mixer.AddEffect({1000, 30000, -30000, 5});
    const int door = mixer.AddEffect({1000, 30000, -30000});
    EXPECT_EQ(Mixed(mixer, 4), (std::vector<int16_t>{0, 0, 0, 0}));  // nothing plays yet
    mixer.Play(shot);
    mixer.Play(door);
    EXPECT_EQ(Mixed(mixer, 2), (std::vector<int16_t>{2000, 32767}));
    mixer.Play(shot);  // from its start again, the door going on
    EXPECT_EQ(Mixed(mixer, 3), (std::vector<int16_t>{-29000, 30000, -30000}));
    EXPECT_EQ(Mixed(mixer, 2), (std::vector<int16_t>{5, 0}));  // the door has ended
    mixer.Play(door);
    mixer.Halt(door);
    mixer.Play(99);
    EXPECT_EQ(Mixed(mixer, 2), (std::vector<int16_t>{0, 0}));
}

TEST(SdlMixer, TheSongDecodesAndRewindsWhileAGarbledFileIsRefused) {
    Mixer mixer;
    auto song = std::make_unique<Mp3Stream>();
    std::string error;
    ASSERT_TRUE(song->Open(MURK_GAME_DIR "Sounds/S99-OpeningSong.mp3", error)) << error;
    const int music = mixer.AddMusic(std::move(song));
    mixer.Play(music);
    std::vector<int16_t> first;
    for (int i = 0; i < 20; ++i) {  // past the encoder's silent start
        const auto buffer = Mixed(mixer, 4096);
        first.insert(first.end(), buffer.begin(), buffer.end());
    }
    EXPECT_NE(std::count(first.begin(), first.end(), 0), static_cast<long>(first.size()));
    mixer.Rewind(music);
    std::vector<int16_t> again;
    for (int i = 0; i < 20; ++i) {
        const auto buffer = Mixed(mixer, 4096);
        again.insert(again.end(), buffer.begin(), buffer.end());
    }
    EXPECT_EQ(again, first);

    const std::string garbled = "/tmp/murk_mixer_garbled_" + std::to_string(::getpid()) + ".mp3";
    std::ofstream(garbled) << std::string(5000, 'x');
    Mp3Stream bad;
    EXPECT_FALSE(bad.Open(garbled, error));
    EXPECT_FALSE(error.empty());
    std::remove(garbled.c_str());
}

TEST(SdlMixer, TheDeviceClosesWhenQuietAndOpensForTheNextSound) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    {
        Mixer mixer;
        const int shot = mixer.AddEffect(std::vector<int16_t>(100, 1));
        std::string error;
        ASSERT_TRUE(mixer.Start(error, std::chrono::milliseconds(50))) << error;
        auto waitFor = [&](bool open) {
            for (int i = 0; i < 200 && mixer.DeviceOpen() != open; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            return mixer.DeviceOpen() == open;
        };
        EXPECT_TRUE(waitFor(false));
        const auto start = std::chrono::steady_clock::now();
        mixer.Play(shot);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(5));
        EXPECT_TRUE(waitFor(true));
        EXPECT_TRUE(waitFor(false));  // played out, and quiet again
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace
}  // namespace murk::sdl
