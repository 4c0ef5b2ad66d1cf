// The movement basics the creature and dart rules share.
#include "world/moves.h"

#include "shell/render.h"
#include "base/tiles.h"
#include "shell/app.h"

namespace murk {

bool Chance(Game& g, int n, int hit) {
    return g.rng.Random(n) == hit;
}

std::string_view LiveCode(const Game& g, Square s) {
    return g.RoomGrid.Cell(s.col, s.row);
}

void LeaveSquare(App& app, Square s, std::string_view code) {
    if (LiveCode(app.game, s) == code) SetSquare(app, s.col, s.row, code::Floor);
}

void ArriveAt(App& app, Square s, std::string_view code) {
    SetSquare(app, s.col, s.row, code);
}

}  // namespace murk
