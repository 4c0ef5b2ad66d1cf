// Tile classes and names for the level checks.
#include "levelcheck/tileclass.h"

#include <set>

#include "base/tiles.h"

namespace murk {

namespace {

constexpr Step kSteps[9] = {{0, 0}, {0, -1}, {1, -1}, {1, 0},  {1, 1},
                            {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
constexpr const char* kDirectionNames[9] = {
    "", "north", "north-east", "east", "south-east", "south", "south-west", "west", "north-west"};

// The first catalogue index of each family of eight.
constexpr int kLaserProducers[4] = {20, 80, 96, 112};
constexpr int kLaserBeams[4] = {72, 88, 104, 120};
constexpr int kP1Bullets = 48, kP2Bullets = 56, kFireDarts = 64;

int FamilyMember(int index, int first) {
    return index >= first && index < first + 8 ? index - first + 1 : 0;
}

int BeamSet(int index) {
    for (int s = 0; s < 4; ++s)
        if (FamilyMember(index, kLaserBeams[s])) return s + 1;
    return 0;
}

struct Named {
    const char* code;
    const char* name;
};

// Names as the designers know them, with the default legend character where there is one.
constexpr Named kNames[] = {
    {"A00", "floor '.'"},
    {"A01", "ant producer 'A'"},
    {"A02", "ant 'a'"},
    {"A03", "devil producer 'V'"},
    {"A04", "devil 'v'"},
    {"A05", "cow producer 'C'"},
    {"A06", "cow 'c'"},
    {"A07", "chigger 'g'"},
    {"A08", "frog producer 'R'"},
    {"A09", "frog 'r'"},
    {"A10", "horse producer 'H'"},
    {"A11", "horse 'h'"},
    {"A12", "baby pig producer 'u' (stage 1)"},
    {"A13", "pig producer, stage 2"},
    {"A14", "pig producer, stage 3"},
    {"A15", "pig producer, stage 4"},
    {"A16", "adult pig producer 'P' (stage 5)"},
    {"A17", "pig 'p'"},
    {"A18", "random producer '?'"},
    {"A19", "fire-dart producer '^'"},
    {"A28", "door 'D'"},
    {"A29", "key 'k'"},
    {"A30", "death field '!'"},
    {"A31", "star '*'"},
    {"A32", "solid wall '#'"},
    {"A33", "chain wall '='"},
    {"A34", "burning chain wall"},
    {"A35", "enemy-passable wall ':'"},
    {"A36", "shootable wall '%'"},
    {"A37", "gold sack '$'"},
    {"A38", "health kit '+'"},
    {"A39", "edge wall 'X'"},
    {"A40", "force field '|'"},
    {"A41", "bomb 'b'"},
    {"A42", "heart '&'"},
    {"A43", "shield 's'"},
    {"A44", "start marker"},
    {"A45", "level finish 'F'"},
    {"A46", "player 1 '1'"},
    {"A47", "player 2 '2'"},
    {"B28", "transport field '>'"},
    {"B29", "chain wall 2 '~'"},
    {"B30", "burning chain wall 2"},
};

}  // namespace

Step DirectionStep(int direction) {
    return kSteps[direction >= 1 && direction <= 8 ? direction : 0];
}

const char* DirectionName(int direction) {
    return kDirectionNames[direction >= 1 && direction <= 8 ? direction : 0];
}

int LaserProducerSet(int index) {
    for (int s = 0; s < 4; ++s)
        if (FamilyMember(index, kLaserProducers[s])) return s + 1;
    return 0;
}

int LaserProducerDirection(int index) {
    const int set = LaserProducerSet(index);
    return set ? FamilyMember(index, kLaserProducers[set - 1]) : 0;
}

bool Breeds(int index) {
    return index == 1 || index == 3 || index == 5 || index == 8 || index == 10 ||
           (index >= 12 && index <= 16) || index == 18 || index == 31;
}

bool IsLastingWall(const std::string& code) {
    return code == "A32" || code == "A39" || code == "A35" || code == "A40";
}

bool IsStandable(const std::string& code) {
    static const std::set<std::string> kStandable = {"A00", "A37", "A38", "A29",
                                                     "A41", "A43", "B28", "A45"};
    return kStandable.count(code) || TileIndex(code) == kSlideFieldIndex;
}

bool IsPassable(const std::string& code) {
    // Blocking for good: lasting walls, the door (keys decide), the death field, the start
    // marker, the adult pig producer, the fire-dart producer and every laser producer.
    static const std::set<std::string> kBlocking = {"A32", "A35", "A39", "A40", "A28",
                                                    "A30", "A44", "A16", "A19"};
    const int index = TileIndex(code);
    return index >= 0 && !kBlocking.count(code) && !LaserProducerSet(index);
}

std::string Describe(const std::string& code) {
    const int index = TileIndex(code);
    if (index == kSlideFieldIndex) return "slide field 'z'";
    for (const Named& n : kNames)
        if (code == n.code) return std::string(n.name) + " (" + code + ")";
    if (const int set = LaserProducerSet(index))
        return "laser producer, set " + std::to_string(set) + ", facing " +
               DirectionName(LaserProducerDirection(index)) + " (" + code + ")";
    if (const int set = BeamSet(index))
        return "laser beam, set " + std::to_string(set) + " (" + code + ")";
    if (FamilyMember(index, kFireDarts)) return "fire dart (" + code + ")";
    if (FamilyMember(index, kP1Bullets) || FamilyMember(index, kP2Bullets))
        return "player's bullet (" + code + ")";
    return "unknown code '" + code + "'";
}

}  // namespace murk
