// Sound files through SDL2_mixer: loading, playing once, stopping and rewinding.
#include "platform/sdl/sounds.h"

#include <algorithm>
#include <cctype>

namespace murk::sdl {

namespace {

bool IsMp3(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".mp3";
}

}  // namespace

void SoundBank::SetAudio(bool open, std::string error) {
    audioOpen_ = open;
    audioError_ = std::move(error);
}

SoundHandle SoundBank::Open(const std::string& path, std::string& error) {
    if (!audioOpen_) {
        error = "Cannot open sound file \"" + path + "\": no audio device (" + audioError_ + ")";
        return kNoSound;
    }
    Sound sound;
    if (IsMp3(path)) {
        sound.music.reset(Mix_LoadMUS(path.c_str()));
    } else {
        sound.chunk.reset(Mix_LoadWAV(path.c_str()));
        sound.channel = channels_;
    }
    if (!sound.music && !sound.chunk) {
        error = "Cannot open sound file \"" + path + "\": " + Mix_GetError();
        return kNoSound;
    }
    if (sound.chunk) Mix_AllocateChannels(++channels_);
    sounds_.push_back(std::move(sound));
    return static_cast<SoundHandle>(sounds_.size() - 1);
}

SoundBank::Sound* SoundBank::Find(SoundHandle h) {
    if (h < 0 || static_cast<size_t>(h) >= sounds_.size()) return nullptr;
    return &sounds_[static_cast<size_t>(h)];
}

bool SoundBank::Stop(SoundHandle h) {
    Sound* sound = Find(h);
    if (!sound) return false;
    if (sound->chunk) Mix_HaltChannel(sound->channel);
    if (sound->music) Mix_HaltMusic();
    return true;
}

void SoundBank::Rewind(SoundHandle h) {
    // A chunk always plays from its start; only music keeps a position.
    Sound* sound = Find(h);
    if (sound && sound->music) Mix_RewindMusic();
}

void SoundBank::Play(SoundHandle h) {
    Sound* sound = Find(h);
    if (!sound) return;
    if (sound->chunk) Mix_PlayChannel(sound->channel, sound->chunk.get(), 0);
    if (sound->music) Mix_PlayMusic(sound->music.get(), 0);
}

}  // namespace murk::sdl
