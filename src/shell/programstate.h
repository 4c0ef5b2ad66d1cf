// What the program remembers beside the rules' state: the menu, the panels, the game's course.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/gridfile.h"
#include "base/stringgrid.h"
#include "platform/platform.h"

namespace murk {

// What the menu shows and the start of a game reads: the level and the player count as their
// labels show them, and whether the menu stands over the room (it is hidden while a game
// starts and runs, and while the level editor is open).
struct MenuState {
    std::string level = "0";
    std::string players = "1";
    bool shown = true;
    bool editing = false;  // the level editor is open (a game started from it is a test play)
};

// The level a test play of the level editor plays instead of a level file: as a level file holds
// it, with the title line to show over the room.
struct TestLevel {
    StringGrid grid;
    GridHeader header{};
    std::string shown;
};

// The texts a player's status panel shows, as last refreshed; the scores after a game are
// taken from them.
struct PanelTexts {
    std::string life = "90";
    std::string points = "0";
    std::string kits = "0";
    std::string bombs = "0";
    std::string keys = "0";
    std::string levelsPassed = "0";
    std::string status = "Status:";
};

// The course of the games the program runs; the rules never read it.
struct PlayState {
    bool Paused = false;  // the abort question is up, or the window was left: the loop waits
    bool pausedForFocus = false;    // the pause is the window's being left
    bool soundBeforePause = false;  // and the sound switch as it was then
    int SelectedLevel = 0;
    bool RandomMode = false;  // each warp picks a random level
    bool WarpArmed1 = false;  // a finished player's warp timer is set
    bool WarpArmed2 = false;
    int LevelCount = 0;       // level files counted at start-up
    uint64_t panelCalls = 1;  // panel refresh call counter, never reset (64 bits: never wraps)
    // Set while the game is a test play of the level editor's level: it loads this level, enters
    // no one in the high-score table, and ends back in the editor at its warp.
    std::optional<TestLevel> test;
};

// A time in passes of `delay` ms each: at least one.
inline int PassesFor(int ms, int delay) {
    if (delay <= 0) return ms;
    return std::max(1, (ms + delay - 1) / delay);
}

// The controls hints (shell/hints.h): which have been shown, ever, and the one showing now.
struct HintState {
    bool enabled = true;  // off in tests that look at the other overlays
    bool loaded = false;  // Hints.dat has been read
    std::vector<std::string> seen;
    std::vector<std::string> lines;  // over the top of the room while shown
    int passesLeft = 0;
};

// A mark drawn over one square of the room for a few passes (shell/overlays.h).
struct SquareMark {
    // A warping mark lasts the wait; a reach mark (a held bomb's blast) lasts one pass.
    enum class Kind { Hurt, Shielded, Fallen, Warping, Reach, Blasted };
    Kind kind = Kind::Hurt;
    int col = 0, row = 0;
    int roomCol = 0, roomRow = 0;  // the room it was drawn in: a new room has wiped it
    int player = 0;                // 0 or 1
    int passesLeft = 0;
};

// What the overlays remember between passes: the players as they were, the hurt sounds played
// during the pass (a shield's absorbed hit shows only there), and the marks still showing.
struct OverlayState {
    bool enabled = true;  // murk-sim scripts play without them
    struct Seen {
        int life = 0;
        bool dead = false;
        int col = 0, row = 0;
        bool bombHeld = false;
        int bombCol = 0, bombRow = 0;
        int kits = 0, bombs = 0, shieldTime = 0;
    };
    std::array<Seen, 2> before;  // as the last pass left them: a key's work between passes counts
    bool seen = false;           // `before` holds them
    int roomColBefore = 0, roomRowBefore = 0;
    int hurtSounds = 0;
    int blastSounds = 0;  // a holder who dies in its own blast drops the hold as any death does
    std::vector<SquareMark> marks;
    std::vector<std::string> banner;      // the lines over the middle of the room, while shown
    int bannerRow = 8;                    // the first square row of its band
    uint64_t passes = 0;                  // passes seen, for the shimmer's phase
    bool arrived = false;                 // a level has just started: its title is to show
    int titlePassesLeft = 0;              // passes its title still shows
    std::array<bool, 2> lifeFlashing{};   // the panel's life figure is in the hurt colour
    std::array<Rgb, 2> lifeColour{};      // and this is its own colour, put back after
    std::array<bool, 2> itemMenuShown{};  // a player's item menu is drawn (shell/itemmenu.h)
    HintState hints;
};

}  // namespace murk
