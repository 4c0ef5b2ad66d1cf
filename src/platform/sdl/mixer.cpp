// The mixer: voices summed into the audio device's buffers, the device opened and closed by a
// keeper thread, MP3 decoding through libmpg123.
#include "platform/sdl/mixer.h"

#include <mpg123.h>

#include <algorithm>
#include <cstring>

namespace murk::sdl {

// ---- Mp3Stream ----

Mp3Stream::~Mp3Stream() {
    if (handle_) {
        mpg123_close(handle_);
        mpg123_delete(handle_);
    }
}

bool Mp3Stream::Open(const std::string& path, std::string& error) {
    int status = MPG123_OK;
    handle_ = mpg123_new(nullptr, &status);
    if (!handle_) {
        error = mpg123_plain_strerror(status);
        return false;
    }
    // Whatever the file holds comes out as the mixer's own samples.
    mpg123_param(handle_, MPG123_FLAGS, MPG123_FORCE_MONO | MPG123_QUIET, 0);
    mpg123_param(handle_, MPG123_FORCE_RATE, kMixRate, 0);
    mpg123_format_none(handle_);
    mpg123_format(handle_, kMixRate, MPG123_MONO, MPG123_ENC_SIGNED_16);
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_open(handle_, path.c_str()) != MPG123_OK ||
        mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK) {
        error = mpg123_strerror(handle_);
        return false;
    }
    return true;
}

size_t Mp3Stream::Read(int16_t* out, size_t count) {
    size_t filled = 0;
    while (filled < count) {
        size_t done = 0;
        const int status = mpg123_read(handle_, reinterpret_cast<unsigned char*>(out + filled),
                                       (count - filled) * sizeof(int16_t), &done);
        filled += done / sizeof(int16_t);
        if (status == MPG123_NEW_FORMAT) continue;  // the format is fixed: nothing changes
        if (status != MPG123_OK) break;             // the end, or a damaged stream
        if (done == 0) break;
    }
    return filled;
}

void Mp3Stream::Restart() {
    mpg123_seek(handle_, 0, SEEK_SET);
}

// ---- Mixer ----

Mixer::~Mixer() {
    if (keeper_.joinable()) {
        {
            std::lock_guard lock(keeperMutex_);
            quit_ = true;
        }
        keeperWake_.notify_all();
        keeper_.join();
    }
    CloseDevice();
}

bool Mixer::Start(std::string& error, Ms idle) {
#if MPG123_API_VERSION < 46
    mpg123_init();
#endif
    idle_ = idle;
    if (!OpenDevice(error)) return false;
    lastSound_ = std::chrono::steady_clock::now();
    keeper_ = std::thread([this] { Keep(); });
    return true;
}

bool Mixer::OpenDevice(std::string& error) {
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = kMixBufferSamples;
    want.callback = &Mixer::Callback;
    want.userdata = this;
    // No changes allowed: SDL converts from exactly this format to whatever the hardware takes.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device == 0) {
        error = SDL_GetError();
        return false;
    }
    device_ = device;
    SDL_PauseAudioDevice(device, 0);
    return true;
}

void Mixer::CloseDevice() {
    const SDL_AudioDeviceID device = device_.exchange(0);
    if (device != 0) SDL_CloseAudioDevice(device);
}

bool Mixer::QuietLongEnough() {
    std::lock_guard lock(voicesMutex_);
    for (const Voice& voice : voices_)
        if (voice.playing) return false;
    return std::chrono::steady_clock::now() - lastSound_ >= idle_;
}

void Mixer::Keep() {
    std::unique_lock lock(keeperMutex_);
    while (!quit_) {
        if (device_ == 0) {
            keeperWake_.wait(lock, [this] { return quit_ || wantOpen_; });
            if (quit_) break;
            wantOpen_ = false;
            lock.unlock();
            std::string error;
            OpenDevice(error);  // failing, the sounds stay silent until the next one asks again
            lock.lock();
        } else {
            keeperWake_.wait_for(lock, idle_);
            if (quit_) break;
            if (wantOpen_ || !QuietLongEnough()) {
                wantOpen_ = false;
                continue;
            }
            lock.unlock();
            CloseDevice();  // waits for the audio thread's last buffer: the keeper's time, not the
                            // game's
            // A sound that came while closing found the device still open and asked for nothing.
            const bool cameMeanwhile = !QuietLongEnough();
            lock.lock();
            if (cameMeanwhile) wantOpen_ = true;
        }
    }
}

void Mixer::WantDevice() {
    if (!keeper_.joinable()) return;
    {
        std::lock_guard lock(keeperMutex_);
        wantOpen_ = true;
    }
    keeperWake_.notify_one();
}

int Mixer::Add(Voice voice) {
    std::lock_guard lock(voicesMutex_);
    voices_.push_back(std::move(voice));
    return static_cast<int>(voices_.size() - 1);
}

int Mixer::AddEffect(std::vector<int16_t> samples) {
    Voice voice;
    voice.samples = std::move(samples);
    return Add(std::move(voice));
}

int Mixer::AddMusic(std::unique_ptr<Mp3Stream> music) {
    Voice voice;
    voice.music = std::move(music);
    return Add(std::move(voice));
}

void Mixer::Play(int index) {
    {
        std::lock_guard lock(voicesMutex_);
        if (index < 0 || static_cast<size_t>(index) >= voices_.size()) return;
        Voice& voice = voices_[static_cast<size_t>(index)];
        if (voice.music)
            for (Voice& other : voices_)
                if (other.music) other.playing = false;
        voice.playing = true;
        voice.at = 0;
        voice.restart = voice.music != nullptr;
        lastSound_ = std::chrono::steady_clock::now();
    }
    if (device_ == 0) WantDevice();
}

void Mixer::Halt(int index) {
    std::lock_guard lock(voicesMutex_);
    if (index < 0 || static_cast<size_t>(index) >= voices_.size()) return;
    voices_[static_cast<size_t>(index)].playing = false;
}

void Mixer::Rewind(int index) {
    std::lock_guard lock(voicesMutex_);
    if (index < 0 || static_cast<size_t>(index) >= voices_.size()) return;
    Voice& voice = voices_[static_cast<size_t>(index)];
    if (voice.music) voice.restart = true;
}

void Mixer::Mix(int16_t* out, size_t count) {
    std::lock_guard lock(voicesMutex_);
    sum_.assign(count, 0);
    for (Voice& voice : voices_) {
        if (!voice.playing) continue;
        if (voice.music) {
            if (voice.restart) voice.music->Restart();
            voice.restart = false;
            decoded_.resize(count);
            const size_t got = voice.music->Read(decoded_.data(), count);
            for (size_t i = 0; i < got; ++i) sum_[i] += decoded_[i];
            if (got < count) voice.playing = false;
        } else {
            const size_t got = std::min(count, voice.samples.size() - voice.at);
            for (size_t i = 0; i < got; ++i) sum_[i] += voice.samples[voice.at + i];
            voice.at += got;
            if (voice.at >= voice.samples.size()) voice.playing = false;
        }
        lastSound_ = std::chrono::steady_clock::now();
    }
    for (size_t i = 0; i < count; ++i)
        out[i] = static_cast<int16_t>(std::clamp<int32_t>(sum_[i], INT16_MIN, INT16_MAX));
}

void Mixer::Callback(void* self, Uint8* stream, int bytes) {
    static_cast<Mixer*>(self)->Mix(reinterpret_cast<int16_t*>(stream),
                                   static_cast<size_t>(bytes) / sizeof(int16_t));
}

}  // namespace murk::sdl
