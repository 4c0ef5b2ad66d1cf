// The help window's words: one line per tile on pages 2 to 4, and the about page.
#include "help/helppages.h"

namespace murk {

namespace {

constexpr HelpLine kPage2[] = {
    {"A32", "Solid wall. Virtually unpassable."},
    {"A02", "(1) Ant enemy. Removes 10% of life."},
    {"A04", "(2) Devil enemy. Removes 20% of life. Turns into Ant enemy."},
    {"A06", "(3) Cow enemy. Removes 30% of life. Turns into Devil enemy."},
    {"A07", "(4) Chigger enemy. Removes 40% of life. Turns into Cow enemy."},
    {"A09",
     "(5) Frog enemy. Removes 50% of life silently. Does not chase you. Has the ability "
     "to move into neighboring rooms."},
    {"A11", "Horse enemy. Removes 90% of life. Very dangerous."},
    {"A17", "Pig enemy. Removes 50% of life. Human bullet does not harm it."},
    {"A01", "Ant producer."},
    {"A03", "Devil producer. Turns into Ant producer."},
    {"A05", "Cow producer. Turns into Devil producer."},
    {"A08", "Frog producer."},
    {"A18",
     "Random producer/enemy. Produces enemies 1 - 5. Removes 50% of life. Has the "
     "ability to move and produce into neighboring rooms."},
};

constexpr HelpLine kPage3[] = {
    {"A10", "Horse producer. Explodes into other producers/enemies when shot."},
    {"A33", "Shootable wall. Causes chain reaction for similar walls that are next to it."},
    {"A36", "Shootable wall."},
    {"A35", "Enemies can pass through this wall."},
    {"A19", "Fire dart producer. Darts are deadly."},
    {"A22", "Laser producer. Lasers are deadly."},
    {"A37", "Gold sack. Worth 100 points."},
    {"A38", "Health kit. Press the menu key, then the fire key to use."},
    {"A41", "Bomb. Press menu key, then left key, then hold down fire key and move."},
    {"A42", "Heart. Revives dead player (in 2 player mode). Turns into chigger when shot."},
    {"A29", "Key."},
    {"A28", "Door. Needs a key to open it."},
    {"A43", "Shield. Protects player from enemies for a short period of time."},
};

constexpr HelpLine kPage4[] = {
    {"A30", "Death field mine."},
    {"A40", "Force field. Non lethal."},
    {"Z", "Slide field. Transports player to a set position in the room."},
    {"B28", "Transport field. Transports player in a straight line."},
    {"A39", "Solid brick. Indicates end of grid (no rooms on the other side)."},
    {"A31",
     "Star spread. Multiplies itself. Turns into devil enemy when shot. Has the ability "
     "to spread into neighboring rooms."},
    {"A12", "Baby pig producer. Can be killed. Grows into adult pig producer."},
    {"A16", "Adult pig producer. Virtually indestructable."},
    {"A46", "Player 1."},
    {"A47", "Player 2."},
    {"A44", "Player start."},
    {"A45", "Level finish. Warps player to next level. Must find."},
};

constexpr const char* kAbout[] = {
    "Every level is a grid of rooms, and somewhere in it lies the level finish.",
    "Find it to warp to the next level. Gold sacks are worth 100 points each.",
    "Producers breed enemies that hunt you down; a shot weakens them step by step.",
    "Play alone or with a friend on the same keyboard: set the keys under Options (F10).",
    "The next pages show every tile that matters, and what it does.",
};

constexpr const char* kCredits[] = {
    "Design, code, pictures, sounds and levels: the Murk team",
    "Windows, sound and text by SDL2, SDL2_mixer and SDL2_ttf",
    "Fonts: DejaVu Sans and Comic Neue",
};

}  // namespace

std::span<const HelpLine> HelpTileLines(int page) {
    static constexpr std::span<const HelpLine> kPages[kHelpPages] = {{}, kPage2, kPage3, kPage4};
    if (page < 1 || page > kHelpPages) return {};
    return kPages[page - 1];
}

std::span<const char* const> AboutLines() {
    return kAbout;
}
std::span<const char* const> CreditLines() {
    return kCredits;
}

}  // namespace murk
