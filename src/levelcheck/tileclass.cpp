// Tile classes and names for the level checks, drawn from the tile kinds.
#include "levelcheck/tileclass.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/tilekinds.h"
#include "base/tiles.h"

namespace murk {

namespace {

constexpr Step kSteps[9] = {{0, 0}, {0, -1}, {1, -1}, {1, 0},  {1, 1},
                            {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
constexpr const char* kDirectionNames[9] = {
    "", "north", "north-east", "east", "south-east", "south", "south-west", "west", "north-west"};

constexpr std::array<std::string_view, 4> kLastingWalls = {
    code::SolidWall, code::EdgeWall, code::EnemyPassableWall, code::ForceField};

bool HasFamily(const TileKind* kind, TileFamily family) {
    return kind && kind->family == family;
}

}  // namespace

Step DirectionStep(int direction) {
    return kSteps[direction >= 1 && direction <= 8 ? direction : 0];
}

const char* DirectionName(int direction) {
    return kDirectionNames[direction >= 1 && direction <= 8 ? direction : 0];
}

int LaserProducerSet(std::string_view code) {
    for (size_t s = 0; s < kLaserSets.size(); ++s)
        if (FamilyMember(code, kLaserSets[s].firstProducer)) return static_cast<int>(s) + 1;
    return 0;
}

int LaserProducerDirection(std::string_view code) {
    const int set = LaserProducerSet(code);
    return set ? FamilyMember(code, kLaserSets[static_cast<size_t>(set - 1)].firstProducer) : 0;
}

bool Breeds(std::string_view code) {
    return HasFamily(KindOf(code), TileFamily::Producers) || code == code::Star;
}

bool IsHostile(std::string_view code) {
    const TileKind* kind = KindOf(code);
    return HasFamily(kind, TileFamily::Creatures) || HasFamily(kind, TileFamily::Producers) ||
           HasFamily(kind, TileFamily::DartsAndLasers);
}

bool IsLastingWall(std::string_view code) {
    return std::ranges::find(kLastingWalls, code) != kLastingWalls.end();
}

bool IsStandable(std::string_view code) {
    // Floor, an item, the key, a field or the finish that a player walks onto.
    const TileKind* kind = KindOf(code);
    if (!kind || !(kind->passage == Passage::Walk || kind->passage == Passage::Transport ||
                   kind->passage == Passage::Slide))
        return false;
    return kind->family == TileFamily::FloorsAndFields || kind->family == TileFamily::Items ||
           kind->family == TileFamily::DoorsAndKeys || kind->family == TileFamily::Finish;
}

bool IsPassable(std::string_view code) {
    const TileKind* kind = KindOf(code);
    return kind && kind->passage != Passage::Block && kind->passage != Passage::Door;
}

std::string Describe(std::string_view code) {
    const TileKind* kind = KindOf(code);
    if (!kind) return "unknown code '" + std::string(code) + "'";
    std::string text = kind->name;
    if (kind->legend) text += std::string(" '") + kind->legend + "'";
    if (*kind->note) text += std::string(" ") + kind->note;
    // A slide field's text names its target, not a tile.
    if (IsSlideField(code)) return text;
    if (const int direction = LaserProducerDirection(code))
        text += std::string(", facing ") + DirectionName(direction);
    return text + " (" + std::string(code) + ")";
}

std::string DescribeOne(std::string_view code) {
    const std::string text = Describe(code);
    return (std::string_view("aeiou").find(text[0]) == std::string_view::npos ? "a " : "an ") +
           text;
}

}  // namespace murk
