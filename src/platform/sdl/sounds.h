// SoundBank: the opened sound files, each with its own mixer channel (or the music stream).
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/sdl_ptr.h"

namespace murk::sdl {

// WAV files become chunks, each on a channel of its own so effects overlap but one effect
// restarts itself; MP3 files become music (the mixer plays one music at a time).
class SoundBank {
public:
    // Called once after the audio device was (or failed to be) opened.
    void SetAudio(bool open, std::string error);
    SoundHandle Open(const std::string& path, std::string& error);
    bool Stop(SoundHandle h);
    void Rewind(SoundHandle h);
    void Play(SoundHandle h);

private:
    struct Sound {
        Owned<Mix_Chunk> chunk;
        Owned<Mix_Music> music;
        int channel = -1;
    };
    Sound* Find(SoundHandle h);

    std::vector<Sound> sounds_;
    int channels_ = 0;
    bool audioOpen_ = false;
    std::string audioError_;
};

}  // namespace murk::sdl
