// Checking a finished script by replaying it, and the room pictures of failure reports.
#include <array>
#include <sstream>
#include <string_view>

#include "base/tilekinds.h"
#include "base/tiles.h"
#include "game/state.h"
#include "router.h"
#include "sim/sim.h"

namespace murk::route {

namespace {

// The level sources' characters, for pictures in reports. Tiles without one show as what they
// came from, or by their kind.
char PictureChar(const std::string& c) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kShownAs = {{
        {code::ChainWallMoving, code::ChainWallStopped},
        {code::ChainWall2Moving, code::ChainWall2Stopped},
        {code::Start, code::Floor},
        {code::PigProducer2, code::PigProducer1},
        {code::PigProducer3, code::PigProducer1},
        {code::PigProducer4, code::PigProducer1},
    }};
    if (const char ch = LegendChar(c)) return ch;
    for (const auto& [code, as] : kShownAs)
        if (code == c) return LegendChar(as);
    if (FamilyMember(c, code::P1Bullet1) || FamilyMember(c, code::P2Bullet1)) return 'o';
    if (FamilyMember(c, code::Fire1)) return 'd';
    for (const LaserSet& set : kLaserSets)
        if (FamilyMember(c, set.firstProducer)) return 'L';
    return '-';  // laser beams and anything else
}

}  // namespace

bool ScriptFinishes(const std::string& script, std::string& output) {
    std::istringstream in(script);
    std::ostringstream out, err;
    RunSimulator(in, out, err);
    output = out.str() + err.str();
    // The last dump's player-1 line.
    const size_t dump = output.rfind("\nstate ");
    if (dump == std::string::npos) return false;
    const size_t p1 = output.find("\np1 ", dump);
    if (p1 == std::string::npos) return false;
    const std::string line = output.substr(p1 + 1, output.find('\n', p1 + 1) - p1 - 1);
    return line.find(" levels=1 ") != std::string::npos;
}

std::string RoomPicture(const Game& g) {
    std::string text;
    for (int r = 1; r <= kRoomRows; ++r) {
        text += "  ";
        for (int c = 1; c <= kRoomCols; ++c) text += PictureChar(g.RoomGrid.Cell(c, r));
        text += '\n';
    }
    return text;
}

}  // namespace murk::route
