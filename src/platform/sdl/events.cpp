// SDL event translation: keys through the scancode table, mouse in canvas pixels, window events.
#include "platform/sdl/events.h"

#include "platform/sdl/keymap.h"

namespace murk::sdl {

namespace {

struct WindowEventKind {
    SDL_WindowEventID id;
    EventKind kind;
};

// The window's picture is lost when it is exposed, restored or shown; Close is the close button.
constexpr WindowEventKind kWindowEvents[] = {
    {SDL_WINDOWEVENT_EXPOSED, EventKind::Paint},
    {SDL_WINDOWEVENT_RESTORED, EventKind::Paint},
    {SDL_WINDOWEVENT_SHOWN, EventKind::Paint},
    {SDL_WINDOWEVENT_CLOSE, EventKind::Close},
};

bool TranslateKey(const SDL_KeyboardEvent& key, EventKind kind, Event& out) {
    const int code = VirtualKeyFor(key.keysym.scancode);
    if (code == 0) return false;
    out = Event{kind, code, 0, 0, 0, {}};
    return true;
}

// SDL numbers left, middle and right 1, 2, 3 as the game does; other buttons are not used.
bool TranslateButton(const SDL_MouseButtonEvent& button, EventKind kind, Event& out) {
    if (button.button < SDL_BUTTON_LEFT || button.button > SDL_BUTTON_RIGHT) return false;
    out = Event{kind, 0, button.button, button.x, button.y, {}};
    return true;
}

bool TranslateWindow(const SDL_WindowEvent& window, Event& out) {
    for (const WindowEventKind& w : kWindowEvents)
        if (w.id == window.event) {
            out = Event{w.kind, 0, 0, 0, 0, {}};
            return true;
        }
    return false;
}

}  // namespace

bool TranslateEvent(const SDL_Event& in, Event& out) {
    switch (in.type) {
        case SDL_KEYDOWN:
            return TranslateKey(in.key, EventKind::KeyDown, out);
        case SDL_KEYUP:
            return TranslateKey(in.key, EventKind::KeyUp, out);
        case SDL_TEXTINPUT:
            out = Event{EventKind::Text, 0, 0, 0, 0, in.text.text};
            return true;
        case SDL_MOUSEBUTTONDOWN:
            return TranslateButton(in.button, EventKind::MouseDown, out);
        case SDL_MOUSEBUTTONUP:
            return TranslateButton(in.button, EventKind::MouseUp, out);
        case SDL_WINDOWEVENT:
            return TranslateWindow(in.window, out);
        case SDL_QUIT:
            out = Event{EventKind::Close, 0, 0, 0, 0, {}};
            return true;
        default:
            return false;
    }
}

}  // namespace murk::sdl
