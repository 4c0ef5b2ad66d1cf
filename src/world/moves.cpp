// The movement basics the creature and dart rules share.
#include "world/moves.h"

#include "base/tiles.h"
#include "game/host.h"

namespace murk {

bool Chance(Host& host, int n, int hit) {
    return host.Random(n) == hit;
}

std::string_view LiveCode(const Game& g, Square s) {
    return g.RoomGrid.Cell(s.col, s.row);
}

void LeaveSquare(Game& g, Host& host, Square s, std::string_view code) {
    if (LiveCode(g, s) == code) SetSquare(g, host, s.col, s.row, code::Floor);
}

void ArriveAt(Game& g, Host& host, Square s, std::string_view code) {
    SetSquare(g, host, s.col, s.row, code);
}

}  // namespace murk
