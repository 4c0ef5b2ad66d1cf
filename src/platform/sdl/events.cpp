// SDL event translation: keys through the scancode table, mouse in canvas pixels, window events.
#include "platform/sdl/events.h"

#include "platform/sdl/keymap.h"

namespace murk::sdl {

namespace {

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

// Of the window's own events the game takes its close button and whether the game window has
// the keyboard (a message box taking it, or the player going to another window); the platform
// presents the canvas again itself where the window was exposed.
bool TranslateWindow(const SDL_WindowEvent& window, Event& out, Uint32 gameWindow) {
    EventKind kind = EventKind::Close;
    if (window.event == SDL_WINDOWEVENT_FOCUS_LOST && window.windowID == gameWindow)
        kind = EventKind::FocusLost;
    else if (window.event == SDL_WINDOWEVENT_FOCUS_GAINED && window.windowID == gameWindow)
        kind = EventKind::FocusGained;
    else if (window.event != SDL_WINDOWEVENT_CLOSE)
        return false;
    out = Event{kind, 0, 0, 0, 0, {}};
    return true;
}

}  // namespace

bool TranslateEvent(const SDL_Event& in, Event& out, Uint32 gameWindow) {
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
        case SDL_MOUSEMOTION:
            out = Event{EventKind::MouseMove, 0, 0, in.motion.x, in.motion.y, {}};
            return true;
        case SDL_WINDOWEVENT:
            return TranslateWindow(in.window, out, gameWindow);
        case SDL_QUIT:
            out = Event{EventKind::Close, 0, 0, 0, 0, {}};
            return true;
        default:
            return false;
    }
}

}  // namespace murk::sdl
