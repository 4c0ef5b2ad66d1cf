// The sound bank's switches: whether sounds may play and whether the opening song loaded.
#pragma once

namespace murk {

struct SoundBank {
    bool soundOn = false;
    bool songLoaded = false;
};

struct App;

// Opens the game's sound files. Until the sound files ship with the game, sound counts as
// loaded so the options' sound switch stays usable.
void LoadSounds(App& app);

}  // namespace murk
