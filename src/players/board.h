// What the player rules share: directions, the room's squares, a player's tile and its sounds.
#pragma once

#include <array>
#include <string_view>

#include "base/soundtable.h"
#include "base/square.h"
#include "base/tiles.h"
#include "game/host.h"
#include "game/player.h"
#include "game/state.h"

namespace murk {

class Host;
struct Game;

inline Square Where(const Player& p) {
    return {p.col, p.row};
}
inline void PutAt(Player& p, Square s) {
    p.col = s.col, p.row = s.row;
}

// Neither dead nor finished.
inline bool Playing(const Player& p) {
    return !p.dead && !p.finished;
}

// Playing and in the game: player 2 of a one-player game is never on the board.
inline bool OnBoard(const Game& g, const Player& p) {
    return Playing(p) && (p.number == 1 || g.PlayerCount == 2);
}

inline std::string_view PlayerCode(const Player& p) {
    return p.number == 1 ? code::Player1 : code::Player2;
}

inline bool IsPlayerCode(std::string_view c) {
    return c == code::Player1 || c == code::Player2;
}

inline void PlayPlayerSound(Host& host, const Player& p, const PlayerSounds& ids) {
    host.PlaySound(ids[p.number == 1 ? 0 : 1]);
}

}  // namespace murk
