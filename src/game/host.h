// Host: what the rules ask of the program around them. The shell's App implements it; a test
// can implement it with a recorder and run a rule on a bare game state.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/state.h"

namespace murk {

class Host {
public:
    virtual ~Host() = default;

    // Shows the picture of `code` on square (col, row) of the room; the grid is not touched.
    // A draw that fails shows its error and ends the game (the program returns to the menu):
    // a rule that goes on afterwards checks GameRunning or its Footing.
    virtual void DrawSquare(int col, int row, std::string_view code) = 0;
    // Draws the whole room from RoomGrid, letting messages through row by row (so anything a
    // pump may do can happen here); a failure ends the game as DrawSquare's does.
    virtual void DrawRoom() = 0;
    virtual void PlaySound(std::string_view id) = 0;
    // Delivers pending events and due timers: a key handler or a timer may end the game, start
    // the next level or ask a question here. Rules call it through LetMessagesThrough.
    virtual void PumpMessages() = 0;
    // The program is shutting down: every loop ends at its next check.
    virtual bool Closing() const = 0;
    // A number in 0..n-1 (0 when n is 0 or less): from the generator the host hands over, drawn
    // inline (the scan draws thousands a tick), or else chosen by ChooseRandom.
    int Random(int n) { return rng_ ? rng_->Random(n) : ChooseRandom(n); }
    // The standard display of a failure's own text.
    virtual void ShowException(const std::string& text) = 0;

protected:
    void UseGenerator(Rng* rng) { rng_ = rng; }
    // The numbers of a host without a generator, e.g. a test's chosen ones.
    virtual int ChooseRandom(int) { return 0; }

private:
    Rng* rng_ = nullptr;
};

// A game is under way: the program goes on and the game has not been stopped.
inline bool GameRunning(const Game& g, const Host& host) {
    return !host.Closing() && !g.GameStopped;
}

// What a step of a pass stands on across a message pump: the game under way and the level it
// began in. An abort, a game over or a warp at the pump pulls it away; the step must then leave
// the room alone, for the room is now the menu's background or the next level's.
struct Footing {
    uint32_t levelSerial = 0;
};
inline Footing FootingNow(const Game& g) {
    return {g.LevelSerial};
}
inline bool Stands(const Game& g, const Host& host, Footing f) {
    return GameRunning(g, host) && g.LevelSerial == f.levelSerial;
}
// Lets messages through; true when the footing still stands.
[[nodiscard]] inline bool LetMessagesThrough(const Game& g, Host& host, Footing f) {
    host.PumpMessages();
    return Stands(g, host, f);
}

// Writes `code` into RoomGrid at (col, row) and shows it: how every rule changes a square.
inline void SetSquare(Game& g, Host& host, int col, int row, std::string_view code) {
    g.RoomGrid.SetCell(col, row, std::string(code));
    host.DrawSquare(col, row, code);
}

}  // namespace murk
