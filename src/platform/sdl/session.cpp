// Starting and stopping the SDL subsystems.
#include "platform/sdl/session.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include "platform/sdl/termwatch.h"

namespace murk::sdl {

bool Session::Start(std::string& error) {
    // The window's close button yields a window event; SDL_QUIT is left to signals.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error = SDL_GetError();
        return false;
    }
    video_ = true;
    StartTerminationWatch();
    // Game pads are read when the game asks (GamePads::Update), not at every pump: SDL would
    // otherwise turn every idle wait into a poll once a millisecond while a pad is connected.
    // Without them the game is played on the keyboard, as ever.
    SDL_SetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS, "0");
    pads_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (TTF_Init() != 0) {
        error = TTF_GetError();
        return false;
    }
    ttf_ = true;
    // The audio device itself is the mixer's (opened only while something plays).
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        audioError_ = SDL_GetError();
        return true;
    }
    audio_ = true;
    return true;
}

Session::~Session() {
    if (ttf_) TTF_Quit();
    if (video_) {
        StopTerminationWatch();
        SDL_Quit();
    }
}

}  // namespace murk::sdl
