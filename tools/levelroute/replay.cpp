// Checking a finished script by replaying it, and the room pictures of failure reports.
#include <array>
#include <sstream>
#include <string_view>

#include "base/tiles.h"
#include "game/state.h"
#include "router.h"
#include "sim/sim.h"

namespace murk::route {

namespace {

// The level sources' characters, for pictures in reports.
char PictureChar(const std::string& c) {
    static const std::array<std::pair<std::string_view, char>, 40> kChars = {{
        {"A00", '.'}, {"A32", '#'}, {"A39", 'X'}, {"A33", '='}, {"A34", '='}, {"B29", '~'},
        {"B30", '~'}, {"A36", '%'}, {"A35", ':'}, {"A40", '|'}, {"A37", '$'}, {"A38", '+'},
        {"A29", 'k'}, {"A28", 'D'}, {"A41", 'b'}, {"A43", 's'}, {"A42", '&'}, {"A30", '!'},
        {"A46", '1'}, {"A47", '2'}, {"A45", 'F'}, {"A01", 'A'}, {"A02", 'a'}, {"A03", 'V'},
        {"A04", 'v'}, {"A05", 'C'}, {"A06", 'c'}, {"A07", 'g'}, {"A08", 'R'}, {"A09", 'r'},
        {"A10", 'H'}, {"A11", 'h'}, {"A16", 'P'}, {"A17", 'p'}, {"A18", '?'}, {"A19", '^'},
        {"B28", '>'}, {"A31", '*'}, {"A44", '.'}, {"A12", 'u'},
    }};
    if (!c.empty() && c[0] == 'Z') return 'z';
    for (const auto& [code, ch] : kChars)
        if (code == c) return ch;
    const int i = TileIndex(c);
    if (i >= 13 && i <= 15) return 'u';
    if (i >= 48 && i <= 63) return 'o';  // bullets
    if (i >= 64 && i <= 71) return 'd';  // fire darts
    for (int first : {20, 80, 96, 112})
        if (i >= first && i < first + 8) return 'L';  // laser producers
    return '-';                                       // laser beams and anything else
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
