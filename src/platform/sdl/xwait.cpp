// The X connection behind an SDL window, and a wait in its socket.
#include "platform/sdl/xwait.h"

#include <SDL_syswm.h>
#include <poll.h>

namespace murk::sdl {

void WindowSystemWait::Attach(SDL_Window* window) {
    display_ = nullptr;
    fd_ = -1;
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    display_ = info.info.x11.display;
    fd_ = XConnectionNumber(info.info.x11.display);
#else
    (void)window;
#endif
}

bool WindowSystemWait::EventsHeld() const {
#if defined(SDL_VIDEO_DRIVER_X11)
    return display_ && XEventsQueued(static_cast<Display*>(display_), QueuedAlready) > 0;
#else
    return false;
#endif
}

bool WindowSystemWait::Wait(int timeoutMs) const {
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

}  // namespace murk::sdl
