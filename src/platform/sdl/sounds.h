// SoundBank: the opened sound files, each a voice of the mixer.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/mixer.h"

namespace murk::sdl {

// WAV files become effects, each its own voice so effects overlap but one effect restarts
// itself; MP3 files become music (one music plays at a time).
class SoundBank {
public:
    // Called once at start-up: opens the audio device where SDL's audio started (`audio`), or
    // remembers why it cannot (`error`, SDL's reason when its audio did not start).
    void StartAudio(bool audio, std::string error);
    SoundHandle Open(const std::string& path, std::string& error);
    bool Stop(SoundHandle h);
    void Rewind(SoundHandle h);
    void Play(SoundHandle h);
    const Mixer& Mixing() const { return mixer_; }

private:
    bool Known(SoundHandle h) const { return h >= 0 && static_cast<size_t>(h) < voices_.size(); }

    Mixer mixer_;
    std::vector<int> voices_;  // a handle's voice in the mixer
    std::string audioError_;
};

// A WAV file's samples as the mixer plays them (mono, 16-bit, kMixRate); false with `error`.
bool LoadWavSamples(const std::string& path, std::vector<int16_t>& samples, std::string& error);

}  // namespace murk::sdl
