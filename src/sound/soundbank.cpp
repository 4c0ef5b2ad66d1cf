// Loading the sound bank and playing its sounds one at a time.
#include "sound/soundbank.h"

#include <string>

#include "ui/desk.h"

namespace murk {

namespace {

// Opens one row of the sound table into its player; a failure is thrown with the platform's
// reason, to be shown at the top of the loading.
void OpenSound(Desk& desk, SoundBank& bank, size_t index) {
    const std::string path = desk.DataDir + kSoundsFolder + std::string(kSoundFiles[index].file);
    std::string error;
    const SoundHandle h = desk.pf.OpenSound(path, error);
    if (h == kNoSound) throw Failure{error.empty() ? "Cannot open " + path : error};
    bank.handles[index] = h;
}

}  // namespace

// A stop that fails ends the stopping quietly; the window messages it may have held up are let
// through.
void StopSounds(Desk& desk, const SoundBank& bank) {
    const size_t count = bank.songLoaded ? kSoundFiles.size() : kWaveCount;
    for (size_t i = 0; i < count; ++i) {
        if (!desk.pf.StopSound(bank.handles[i])) {
            ProcessMessages(desk);
            return;
        }
    }
}

void LoadSounds(Desk& desk, SoundBank& bank) {
    bank = SoundBank{};
    try {
        for (size_t i = 0; i < kWaveCount; ++i) OpenSound(desk, bank, i);
    } catch (const Failure& f) {
        ShowException(desk, f.text);
        bank.soundOn = false;
        ShowError(desk, kWavError);
        return;
    }
    bank.soundOn = true;
    try {
        OpenSound(desk, bank, kSongIndex);
        bank.songLoaded = true;
    } catch (const Failure& f) {
        ShowException(desk, f.text);
        ShowError(desk, kMp3Error);
    }
}

void PlaySound(Desk& desk, SoundBank& bank, std::string_view id) {
    if (!bank.soundOn) return;
    const size_t index = SoundIndex(id);
    if (index == kSoundFiles.size()) return;  // not a sound of the bank
    if (index == kSongIndex && !bank.songLoaded) return;
    StopSounds(desk, bank);
    const SoundHandle h = bank.handles[index];
    desk.pf.RewindSound(h);
    desk.pf.PlaySound(h);
}

void PlayOpeningSong(Desk& desk, SoundBank& bank) {
    if (bank.songLoaded) PlaySound(desk, bank, kSoundFiles[kSongIndex].id);
}

}  // namespace murk
