// The set-wide check: every tile a level may hold appears somewhere in the set.
#include <set>

#include "base/tiles.h"
#include "levelcheck/levelcheck.h"
#include "levelcheck/tileclass.h"

namespace murk {

namespace {

// Walls, items, fields, creatures and producers (every pig producer stage), the fire-dart
// producer and the star. The laser producers are added below.
constexpr std::string_view kEveryLevelTile[] = {
    // walls
    code::SolidWall, code::EdgeWall, code::ChainWallStopped, code::ChainWall2Stopped,
    code::ShootableWall, code::EnemyPassableWall, code::ForceField,
    // items
    code::Money, code::HealthKit, code::Key, code::Door, code::Bomb, code::Shield, code::Heart,
    // fields
    code::DeathField, code::Transport, code::SlideField, code::Finish,
    // creatures and producers
    code::AntProducer, code::Ant, code::DevilProducer, code::Devil, code::CowProducer, code::Cow,
    code::Chigger, code::FrogProducer, code::Frog, code::HorseProducer, code::Horse,
    code::PigProducer1, code::PigProducer2, code::PigProducer3, code::PigProducer4,
    code::AdultPigProducer, code::Pig, code::RandomProducer,
    // darts, stars
    code::FireProducer, code::Star};

// Laser producers of each set facing north, east, south and west.
constexpr int kStraightDirections[] = {1, 3, 5, 7};

}  // namespace

std::vector<std::string> CheckCoverage(const std::vector<LevelFile>& levels) {
    std::set<std::string> seen;
    for (const LevelFile& level : levels)
        for (int rr = 1; rr <= level.RoomsDown(); ++rr)
            for (int rc = 1; rc <= level.RoomsAcross(); ++rc) {
                const std::string& room = level.grid.Cell(rc, rr);
                for (size_t at = 0; at + 3 <= room.size(); at += 3) {
                    const std::string cell = room.substr(at, 3);
                    seen.insert(IsSlideField(cell) ? std::string(code::SlideField) : cell);
                }
            }
    std::vector<std::string> required(std::begin(kEveryLevelTile), std::end(kEveryLevelTile));
    for (const LaserSet& set : kLaserSets)
        for (int d : kStraightDirections) required.push_back(FamilyCode(set.firstProducer, d));
    std::vector<std::string> missing;
    for (const std::string& code : required)
        if (!seen.count(code))
            missing.push_back("the level set has no " + Describe(code) +
                              "; place one in some level");
    return missing;
}

}  // namespace murk
