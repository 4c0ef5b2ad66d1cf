// Mixer: the game's sounds mixed into one audio device, which is open only while something plays.
//
// Every sound of the game is mono 16-bit at 44.1 kHz, so the device is asked for exactly that
// (SDL converts for the hardware) and sounds are mixed as they are. An effect is a buffer of
// samples; the song is decoded from its MP3 file a buffer at a time by the audio thread.
//
// An open audio device wakes its thread every buffer even when it plays silence. So after
// `idle` without a sound the device is closed, and the next sound opens it again. Both happen on
// a keeper thread of the mixer's own, which sleeps while the device is closed: the game never
// waits for a device to open or close, and a sound that opens it starts a few milliseconds late.
#pragma once

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct mpg123_handle_struct;

namespace murk::sdl {

inline constexpr int kMixRate = 44100;
inline constexpr int kMixBufferSamples = 2048;

// An MP3 file opened for decoding as mono 16-bit samples at kMixRate.
class Mp3Stream {
public:
    ~Mp3Stream();
    // False with `error` when the file cannot be read or holds no MPEG audio.
    bool Open(const std::string& path, std::string& error);
    // Fills `out` with up to `count` samples; fewer (0 at the end) when the stream ends or fails.
    size_t Read(int16_t* out, size_t count);
    void Restart();

private:
    mpg123_handle_struct* handle_ = nullptr;
};

class Mixer {
public:
    using Ms = std::chrono::milliseconds;

    Mixer() = default;
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;
    ~Mixer();

    // Opens the device once, to learn whether this machine can play sound (false with `error`
    // when it cannot), and starts the keeper, which closes it again after `idle` of silence.
    bool Start(std::string& error, Ms idle = Ms(2000));
    bool Started() const { return keeper_.joinable(); }

    // Voices: an effect (its samples, played from the start each time, restarting itself) or a
    // music (played from its start; one music sounds at a time). Returns the voice's number.
    int AddEffect(std::vector<int16_t> samples);
    int AddMusic(std::unique_ptr<Mp3Stream> music);
    void Play(int voice);
    void Halt(int voice);
    void Rewind(int voice);  // a music playing goes back to its start

    // Whether the audio device is open now (tests and measurements).
    bool DeviceOpen() const { return device_.load() != 0; }

    // Adds every playing voice into `out` (clipped), advancing them; what the audio thread does
    // with each buffer.
    void Mix(int16_t* out, size_t count);

private:
    struct Voice {
        std::vector<int16_t> samples;
        std::unique_ptr<Mp3Stream> music;
        size_t at = 0;
        bool playing = false;
        bool restart = false;  // a music goes back to its start at the next buffer
    };

    int Add(Voice voice);
    static void Callback(void* self, Uint8* stream, int bytes);
    bool OpenDevice(std::string& error);
    void CloseDevice();
    void Keep();
    bool QuietLongEnough();
    void WantDevice();

    std::mutex voicesMutex_;  // voices_ and lastSound_, shared with the audio thread
    std::vector<Voice> voices_;
    std::vector<int32_t> sum_;  // the audio thread's working buffers
    std::vector<int16_t> decoded_;
    std::chrono::steady_clock::time_point lastSound_;

    std::mutex keeperMutex_;  // what the keeper is asked to do
    std::condition_variable keeperWake_;
    bool wantOpen_ = false;
    bool quit_ = false;
    Ms idle_{2000};
    std::atomic<SDL_AudioDeviceID> device_{0};
    std::thread keeper_;
};

}  // namespace murk::sdl
