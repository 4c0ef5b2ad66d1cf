// Sound files: WAV effects decoded whole, the MP3 song streamed, both played by the mixer.
#include "platform/sdl/sounds.h"

#include <algorithm>
#include <cctype>
#include <cstring>

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

bool LoadWavSamples(const std::string& path, std::vector<int16_t>& samples, std::string& error) {
    SDL_AudioSpec spec{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    SDL_ClearError();
    if (!SDL_LoadWAV(path.c_str(), &spec, &data, &length)) {
        error = SDL_GetError();
        return false;
    }
    SDL_AudioCVT convert{};
    const int built = SDL_BuildAudioCVT(&convert, spec.format, spec.channels, spec.freq,
                                        AUDIO_S16SYS, 1, kMixRate);
    if (built < 0 ||
        length > (UINT32_MAX / 8) / static_cast<Uint32>(std::max(convert.len_mult, 1))) {
        SDL_FreeWAV(data);
        error = built < 0 ? SDL_GetError() : "the sound is too long";
        return false;
    }
    std::vector<Uint8> work(static_cast<size_t>(length) *
                            static_cast<size_t>(std::max(convert.len_mult, 1)));
    std::memcpy(work.data(), data, length);
    SDL_FreeWAV(data);
    convert.buf = work.data();
    convert.len = static_cast<int>(length);
    if (built > 0 && SDL_ConvertAudio(&convert) != 0) {
        error = SDL_GetError();
        return false;
    }
    const size_t bytes = built > 0 ? static_cast<size_t>(convert.len_cvt) : length;
    samples.resize(bytes / sizeof(int16_t));
    std::memcpy(samples.data(), work.data(), samples.size() * sizeof(int16_t));
    return true;
}

void SoundBank::StartAudio(bool audio, std::string error) {
    audioError_ = std::move(error);
    if (audio && !mixer_.Start(audioError_) && audioError_.empty()) audioError_ = "unknown reason";
}

SoundHandle SoundBank::Open(const std::string& path, std::string& error) {
    if (!mixer_.Started()) {
        error = "Cannot open sound file \"" + path + "\": no audio device (" + audioError_ + ")";
        return kNoSound;
    }
    std::string why;
    int voice = -1;
    if (IsMp3(path)) {
        auto music = std::make_unique<Mp3Stream>();
        if (music->Open(path, why)) voice = mixer_.AddMusic(std::move(music));
    } else {
        std::vector<int16_t> samples;
        if (LoadWavSamples(path, samples, why)) voice = mixer_.AddEffect(std::move(samples));
    }
    if (voice < 0) {
        error = "Cannot open sound file \"" + path + "\": " + why;
        return kNoSound;
    }
    voices_.push_back(voice);
    return static_cast<SoundHandle>(voices_.size() - 1);
}

bool SoundBank::Stop(SoundHandle h) {
    if (!Known(h)) return false;
    mixer_.Halt(voices_[static_cast<size_t>(h)]);
    return true;
}

void SoundBank::Rewind(SoundHandle h) {
    if (Known(h)) mixer_.Rewind(voices_[static_cast<size_t>(h)]);
}

void SoundBank::Play(SoundHandle h) {
    if (Known(h)) mixer_.Play(voices_[static_cast<size_t>(h)]);
}

}  // namespace murk::sdl
