// The sound bank: one opened player per sound file, the sound-on switch and the song flag.
#pragma once

#include <array>
#include <string_view>

#include "base/soundtable.h"
#include "platform/platform.h"

namespace murk {

struct SoundBank {
    bool soundOn = false;     // sounds may play; cleared for the run when a wave file is missing
    bool songLoaded = false;  // the opening song opened
    std::array<SoundHandle, kSoundFiles.size()> handles = [] {
        std::array<SoundHandle, kSoundFiles.size()> none{};
        none.fill(kNoSound);
        return none;
    }();
};

struct Desk;

inline constexpr const char* kSoundsFolder = "Sounds/";
inline constexpr const char* kWavError =
    "Error loading WAV sounds. Please make sure the 'Sounds' folder exists in the directory of "
    "this program.";
inline constexpr const char* kMp3Error =
    "Error loading MP3 sounds. Please make sure the 'Sounds' folder exists in the directory of "
    "this program and that you have the latest version of windows media player installed.";

// Opens the 26 wave effects in table order, then the song. The first wave file that fails
// stops the loading: its error and kWavError are shown and sound stays off for the whole run.
// A song that fails shows its error and kMp3Error; the effects stay usable. Called once at
// start-up.
void LoadSounds(Desk& desk, SoundBank& bank);

// Stops every sound and plays the one with this id ("S00".."S32", "S99") from its start;
// nothing while sound is off. Called by the rules as their events happen.
void PlaySound(Desk& desk, SoundBank& bank, std::string_view id);

// Stops every sound playing (the game is paused while its window is left).
void StopSounds(Desk& desk, const SoundBank& bank);

// The opening song at the main window's first paint, when it loaded (and sound is on).
void PlayOpeningSong(Desk& desk, SoundBank& bank);

}  // namespace murk
