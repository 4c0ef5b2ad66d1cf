// Message boxes through SDL_ShowMessageBox, styled per kind from one table.
#include "platform/sdl/boxes.h"

#include <SDL_events.h>
#include <SDL_messagebox.h>

#include <cstdio>

#include "platform/sdl/termwatch.h"

namespace murk::sdl {

namespace {

constexpr int kYes = 1, kNo = 0;
constexpr Uint32 kReturn = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
constexpr Uint32 kEscape = SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;

struct BoxStyle {
    BoxKind kind;
    Uint32 flags;
    int buttonCount;
    SDL_MessageBoxButtonData buttons[2];
};

constexpr Uint32 kLeftToRight = SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;

constexpr BoxStyle kStyles[] = {
    {BoxKind::Error, SDL_MESSAGEBOX_ERROR | kLeftToRight, 1, {{kReturn | kEscape, kYes, "OK"}, {}}},
    {BoxKind::Exception,
     SDL_MESSAGEBOX_ERROR | kLeftToRight,
     1,
     {{kReturn | kEscape, kYes, "OK"}, {}}},
    {BoxKind::ConfirmYesNo,
     SDL_MESSAGEBOX_INFORMATION | kLeftToRight,
     2,
     {{kReturn, kYes, "Yes"}, {kEscape, kNo, "No"}}},
    {BoxKind::ConfirmOkCancel,
     SDL_MESSAGEBOX_INFORMATION | kLeftToRight,
     2,
     {{kReturn, kYes, "OK"}, {kEscape, kNo, "Cancel"}}},
    {BoxKind::Plain,
     SDL_MESSAGEBOX_INFORMATION | kLeftToRight,
     1,
     {{kReturn | kEscape, kYes, "OK"}, {}}},
};

const BoxStyle& StyleFor(BoxKind kind) {
    for (const BoxStyle& style : kStyles)
        if (style.kind == kind) return style;
    return kStyles[0];
}

// SDL's boxes show one line per line of text, however long; break long messages at spaces so
// the box stays well inside a 1024-pixel screen.
std::string Wrapped(const std::string& text, size_t width = 64) {
    std::string out;
    size_t lineStart = 0;
    size_t lastSpace = std::string::npos;
    for (char c : text) {
        out += c;
        if (c == '\n') {
            lineStart = out.size();
            lastSpace = std::string::npos;
        } else if (c == ' ') {
            lastSpace = out.size() - 1;
        }
        if (out.size() - lineStart > width && lastSpace != std::string::npos) {
            out[lastSpace] = '\n';
            lineStart = lastSpace + 1;
            lastSpace = std::string::npos;
        }
    }
    return out;
}

}  // namespace

bool ShowBox(SDL_Window* parent, BoxKind kind, const std::string& text) {
    const BoxStyle& style = StyleFor(kind);
    const std::string shown = Wrapped(text);
    const SDL_MessageBoxData data{style.flags,       parent,        "Murk", shown.c_str(),
                                  style.buttonCount, style.buttons, nullptr};
    // Once the program is asked to end, no box holds it up: a question counts as No, as a box
    // closed without a button does, so nothing is changed on the way out.
    const bool noAnswer = style.buttonCount == 1;
    if (TerminationRequested()) return noAnswer;
    int answer = kNo;
    int failed = 0;
    {
        BoxWatch watch;
        failed = SDL_ShowMessageBox(&data, &answer);
    }
    if (TerminationRequested()) return noAnswer;
    if (failed != 0) {
        std::fprintf(stderr, "Murk: %s\n(no message box: %s)\n", text.c_str(), SDL_GetError());
        return true;
    }
    // Keys pressed and released while the box was up were meant for the box: the key-up of the
    // Escape that opened an abort question must not reach the menu that follows it.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
    // Closing the box without a button (answer -1) counts as No for a question, OK otherwise.
    return answer == kYes || style.buttonCount == 1;
}

}  // namespace murk::sdl
