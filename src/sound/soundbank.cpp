// Loading the sound bank and playing its sounds one at a time.
#include "sound/soundbank.h"

#include <string>

#include "shell/app.h"
#include "shell/startup.h"

namespace murk {

namespace {

// Opens one row of the sound table into its player; a failure is thrown with the platform's
// reason, to be shown at the top of the loading.
void OpenSound(App& app, size_t index) {
    const std::string path = app.DirLbl + kSoundsFolder + std::string(kSoundFiles[index].file);
    std::string error;
    const SoundHandle h = app.pf.OpenSound(path, error);
    if (h == kNoSound) throw Failure{error.empty() ? "Cannot open " + path : error};
    app.sound.handles[index] = h;
}

// Stops the effects and the song. A stop that fails ends the stopping quietly; the window
// messages it may have held up are let through.
void StopAllSounds(App& app) {
    const size_t count = app.sound.songLoaded ? kSoundFiles.size() : kWaveCount;
    for (size_t i = 0; i < count; ++i) {
        if (!app.pf.StopSound(app.sound.handles[i])) {
            ProcessMessages(app);
            return;
        }
    }
}

}  // namespace

void LoadSounds(App& app) {
    SoundBank& bank = app.sound;
    bank = SoundBank{};
    try {
        for (size_t i = 0; i < kWaveCount; ++i) OpenSound(app, i);
    } catch (const Failure& f) {
        ShowException(app, f.text);
        bank.soundOn = false;
        ShowError(app, kWavError);
        return;
    }
    bank.soundOn = true;
    try {
        OpenSound(app, kSongIndex);
        bank.songLoaded = true;
    } catch (const Failure& f) {
        ShowException(app, f.text);
        ShowError(app, kMp3Error);
    }
}

void PlaySound(App& app, std::string_view id) {
    if (!app.sound.soundOn) return;
    const size_t index = SoundIndex(id);
    if (index == kSoundFiles.size()) return;  // not a sound of the bank
    if (index == kSongIndex && !app.sound.songLoaded) return;
    StopAllSounds(app);
    const SoundHandle h = app.sound.handles[index];
    app.pf.RewindSound(h);
    app.pf.PlaySound(h);
}

void PlayOpeningSong(App& app) {
    if (app.sound.songLoaded) PlaySound(app, kSoundFiles[kSongIndex].id);
}

}  // namespace murk
