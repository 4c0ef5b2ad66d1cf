// The help window's words: one line per tile on pages 2 to 4, and the about page.
#include "help/helppages.h"

#include "base/tiles.h"

namespace murk {

namespace {

constexpr HelpLine kPage2[] = {
    {code::SolidWall, "Solid wall. Virtually unpassable."},
    {code::Ant, "(1) Ant enemy. Removes 10% of life."},
    {code::Devil, "(2) Devil enemy. Removes 20% of life. Turns into Ant enemy."},
    {code::Cow, "(3) Cow enemy. Removes 30% of life. Turns into Devil enemy."},
    {code::Chigger, "(4) Chigger enemy. Removes 40% of life. Turns into Cow enemy."},
    {code::Frog,
     "(5) Frog enemy. Removes 50% of life silently. Does not chase you. Has the ability "
     "to move into neighboring rooms."},
    {code::Horse, "Horse enemy. Removes 90% of life. Very dangerous."},
    {code::Pig, "Pig enemy. Removes 50% of life. Human bullet does not harm it."},
    {code::AntProducer, "Ant producer."},
    {code::DevilProducer, "Devil producer. Turns into Ant producer."},
    {code::CowProducer, "Cow producer. Turns into Devil producer."},
    {code::FrogProducer, "Frog producer."},
    {code::RandomProducer,
     "Random producer/enemy. Produces enemies 1 - 5. Removes 50% of life. Has the "
     "ability to move and produce into neighboring rooms."},
};

constexpr HelpLine kPage3[] = {
    {code::HorseProducer, "Horse producer. Explodes into other producers/enemies when shot."},
    {code::ChainWallStopped,
     "Shootable wall. Causes chain reaction for similar walls that are next to it."},
    {code::ShootableWall, "Shootable wall."},
    {code::EnemyPassableWall, "Enemies can pass through this wall."},
    {code::FireProducer, "Fire dart producer. Darts are deadly."},
    {code::Laser1Producer3, "Laser producer. Lasers are deadly."},
    {code::Money, "Gold sack. Worth 100 points."},
    {code::HealthKit, "Health kit. Press the menu key, then the fire key to use."},
    {code::Bomb, "Bomb. Press menu key, then left key, then hold down fire key and move."},
    {code::Heart, "Heart. Revives dead player (in 2 player mode). Turns into chigger when shot."},
    {code::Key, "Key."},
    {code::Door, "Door. Needs a key to open it."},
    {code::Shield, "Shield. Protects player from enemies for a short period of time."},
};

constexpr HelpLine kPage4[] = {
    {code::DeathField, "Death field mine."},
    {code::ForceField, "Force field. Non lethal."},
    {code::SlideField, "Slide field. Transports player to a set position in the room."},
    {code::Transport, "Transport field. Transports player in a straight line."},
    {code::EdgeWall, "Solid brick. Indicates end of grid (no rooms on the other side)."},
    {code::Star,
     "Star spread. Multiplies itself. Turns into devil enemy when shot. Has the ability "
     "to spread into neighboring rooms."},
    {code::PigProducer1, "Baby pig producer. Can be killed. Grows into adult pig producer."},
    {code::AdultPigProducer, "Adult pig producer. Virtually indestructable."},
    {code::Player1, "Player 1."},
    {code::Player2, "Player 2."},
    {code::Start, "Player start."},
    {code::Finish, "Level finish. Warps player to next level. Must find."},
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
