// GamePads: SDL's game controllers, opened as they connect, their events turned into the game's.
#pragma once

#include <SDL_events.h>
#include <SDL_gamecontroller.h>

#include <array>
#include <vector>

#include "platform/platform.h"

namespace murk::sdl {

// SDL knows most pads by its own mapping database; SDL_GAMECONTROLLERCONFIG (SDL's own variable)
// adds a mapping for one it does not know. SDL reads the pads only when asked (Session turns its
// own reading off): Update reads them, at each pump and in slices of an idle wait, so a pad
// costs nothing while none is connected and an idle wait still sleeps in the window system.
class GamePads {
public:
    GamePads() = default;
    GamePads(const GamePads&) = delete;
    GamePads& operator=(const GamePads&) = delete;
    ~GamePads();

    // Called once SDL is up; `available` is whether its game-controller part started.
    void Start(bool available) { available_ = available; }
    bool Available() const { return available_; }
    bool AnyOpen() const { return !open_.empty(); }
    // Reads the pads: their changes and any pad plugged in or out become SDL events.
    void Update();
    // A game controller's event as the game's: a pad connected (opened here) or gone, a button,
    // the left stick (only once it moved by 1/128 of its reach, so a noisy stick does not flood
    // the game or its journal). False for any other event and for what the game has no use for.
    bool Translate(const SDL_Event& in, Event& out);

private:
    struct OpenPad {
        SDL_GameController* controller = nullptr;
        SDL_JoystickID id = -1;
        std::array<int, pad::kAxes> sent{};  // the stick as the game was last told
    };
    OpenPad* Find(SDL_JoystickID id);
    bool Opened(int deviceIndex, Event& out);

    bool available_ = false;
    std::vector<OpenPad> open_;
};

// The pad identity the game gets: the kind (SDL's GUID text) and the name.
std::string PadIdentity(SDL_GameController* controller);

}  // namespace murk::sdl
