// The state block, the same from murk-sim and from the game itself.
#include "shell/statedump.h"

#include "game/playerfields.h"
#include "shell/app.h"

namespace murk {

void DumpState(const App& app, std::ostream& out) {
    const Game& g = app.game;
    out << "state tick=" << g.world.clocks.tick << " room=" << g.CurrentRoomCol << ','
        << g.CurrentRoomRow << " level=" << app.play.SelectedLevel << " players=" << g.PlayerCount
        << " stopped=" << (g.GameStopped ? 1 : 0) << " paused=" << (app.play.Paused ? 1 : 0)
        << " title=" << Quoted(app.levelTitle) << '\n';
    out << "p1 " << DumpPlayer(g.players[0]) << '\n';
    out << "p2 " << DumpPlayer(g.players[1]) << '\n';
    out << "grid\n";
    for (int r = 1; r <= kRoomRows; ++r) {
        for (int c = 1; c <= kRoomCols; ++c) out << (c > 1 ? " " : "") << g.RoomGrid.Cell(c, r);
        out << '\n';
    }
    out << "end\n";
}

}  // namespace murk
