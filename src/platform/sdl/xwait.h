// WindowSystemWait: sleeping in the X server's socket ourselves, where SDL's own wait would ask
// the window system a dozen times a pass (each a failing system call) before it sleeps.
#pragma once

#include <SDL.h>

namespace murk::sdl {

class WindowSystemWait {
public:
    // Finds the X connection of `window`; without one (another video driver) Usable() is false
    // and SDL's own wait is used.
    void Attach(SDL_Window* window);
    bool Usable() const { return display_ != nullptr; }
    // Whether X events were read from the socket already and wait in the X library.
    bool EventsHeld() const;
    // Sleeps until the X server sends something, a signal arrives or `timeoutMs` passes (-1: no
    // limit). True when the server sent something.
    bool Wait(int timeoutMs) const;

private:
    void* display_ = nullptr;  // the X library's Display
    int fd_ = -1;
};

}  // namespace murk::sdl
