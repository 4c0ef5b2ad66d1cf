// The set-wide check: every tile a level may hold appears somewhere in the set.
#include <set>

#include "base/tiles.h"
#include "levelcheck/levelcheck.h"
#include "levelcheck/tileclass.h"

namespace murk {

namespace {

// Walls, items, fields, creatures and producers (every pig producer stage), the fire-dart
// producer and the star. The laser producers are added below.
constexpr const char* kEveryLevelTile[] = {
    "A32", "A39", "A33", "B29", "A36", "A35", "A40",                // walls
    "A37", "A38", "A29", "A28", "A41", "A43", "A42",                // items
    "A30", "B28", "Z",   "A45",                                     // fields
    "A01", "A02", "A03", "A04", "A05", "A06", "A07", "A08", "A09",  // creatures, producers
    "A10", "A11", "A12", "A13", "A14", "A15", "A16", "A17", "A18",  //
    "A19", "A31",                                                   // darts, stars
};

// Laser producers of each set facing north, east, south and west.
constexpr int kLaserSetStarts[] = {20, 80, 96, 112};
constexpr int kStraightDirections[] = {1, 3, 5, 7};

}  // namespace

std::vector<std::string> CheckCoverage(const std::vector<LevelFile>& levels) {
    std::set<std::string> seen;
    for (const LevelFile& level : levels)
        for (int rr = 1; rr <= level.RoomsDown(); ++rr)
            for (int rc = 1; rc <= level.RoomsAcross(); ++rc) {
                const std::string& room = level.grid.Cell(rc, rr);
                for (size_t at = 0; at + 3 <= room.size(); at += 3)
                    seen.insert(room[at] == 'Z' ? "Z" : room.substr(at, 3));
            }
    std::vector<std::string> required(std::begin(kEveryLevelTile), std::end(kEveryLevelTile));
    for (int first : kLaserSetStarts)
        for (int d : kStraightDirections) required.push_back(TileCodeAt(first + d - 1));
    std::vector<std::string> missing;
    for (const std::string& code : required)
        if (!seen.count(code))
            missing.push_back("the level set has no " + Describe(code == "Z" ? "ZAA" : code) +
                              "; place one in some level");
    return missing;
}

}  // namespace murk
