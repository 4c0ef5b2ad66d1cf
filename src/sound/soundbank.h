// The sound bank's switches: whether sounds may play and whether the opening song loaded.
#pragma once

#include <string_view>

namespace murk {

struct SoundBank {
    bool soundOn = false;
    bool songLoaded = false;
};

struct App;

// Opens the game's sound files. Until the sound files ship with the game, sound counts as
// loaded so the options' sound switch stays usable.
void LoadSounds(App& app);

// Stops every sound and plays the one with this id ("S00".."S32", "S99") from its start, when
// sound is on.
void PlaySound(App& app, std::string_view id);

}  // namespace murk
