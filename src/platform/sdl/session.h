// Session: SDL, SDL2_ttf and SDL's audio, started and stopped once per platform.
#pragma once

#include <string>

namespace murk::sdl {

class Session {
public:
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session();

    // False with `error` when video or the font engine cannot start. Audio failing is not an
    // error: AudioOpen() is then false and AudioError() says why.
    bool Start(std::string& error);
    bool AudioOpen() const { return audio_; }
    bool PadsAvailable() const { return pads_; }  // SDL's game-controller part started
    const std::string& AudioError() const { return audioError_; }

private:
    bool video_ = false;
    bool ttf_ = false;
    bool audio_ = false;
    bool pads_ = false;
    std::string audioError_;
};

}  // namespace murk::sdl
