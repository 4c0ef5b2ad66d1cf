// Message boxes in the game's own colours: a window of their own, a modal loop of their own.
#include "platform/sdl/boxes.h"

#include <SDL_events.h>
#include <SDL_gamecontroller.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "platform/sdl/sdl_ptr.h"
#include "platform/sdl/termwatch.h"

namespace murk::sdl {

namespace {

struct BoxStyle {
    BoxKind kind;
    Rgb accent;
    std::vector<const char*> buttons;  // the default (the true answer) first
};

// What a box closed without a button answers: No for a question, OK for a note; a termination
// request answers the same, so nothing is changed on the way out.
bool ClosedAnswer(const BoxStyle& style) {
    return style.buttons.size() == 1;
}

const BoxStyle& StyleFor(BoxKind kind) {
    static const BoxStyle kStyles[] = {
        {BoxKind::Error, {210, 60, 60}, {"OK"}},
        {BoxKind::Exception, {210, 60, 60}, {"OK"}},
        {BoxKind::ConfirmYesNo, {255, 220, 60}, {"Yes", "No"}},
        {BoxKind::ConfirmOkCancel, {255, 220, 60}, {"OK", "Cancel"}},
        {BoxKind::Plain, {120, 160, 255}, {"OK"}},
    };
    for (const BoxStyle& style : kStyles)
        if (style.kind == kind) return style;
    return kStyles[0];
}

constexpr Rgb kBack{16, 16, 40};
constexpr Rgb kFrame{90, 90, 140};
constexpr Rgb kText{235, 235, 235};
constexpr Rgb kButtonBack{40, 40, 80};
constexpr Rgb kDefaultText{20, 20, 20};
const Font kTextFont{FontFace::SansBold, 16};
const Font kButtonFont{FontFace::SansBold, 16};
constexpr int kMargin = 20, kStripe = 6, kMaxTextWidth = 520, kMinWidth = 300;
constexpr int kButtonW = 100, kButtonH = 32, kButtonGap = 12;

// Where everything of a box stands, in its window's pixels.
struct Layout {
    std::vector<std::string> lines;
    int lineHeight = 0;
    int width = 0, height = 0;
    std::vector<SDL_Rect> buttons;
};

Layout LayOut(const BoxStyle& style, const std::string& text, TextPainter& painter) {
    Layout l;
    const auto measure = [&painter](const std::string& line) {
        int w = 0, h = 0;
        painter.Size(kTextFont, line, w, h);
        return w;
    };
    l.lines = WrapText(text, kMaxTextWidth, measure);
    int textW = 0, h = 0;
    for (const std::string& line : l.lines) textW = std::max(textW, measure(line));
    painter.Size(kTextFont, "Mg", h, l.lineHeight);
    if (l.lineHeight <= 0) l.lineHeight = 20;
    const int count = static_cast<int>(style.buttons.size());
    const int buttonsW = count * kButtonW + (count - 1) * kButtonGap;
    l.width = std::max({kMinWidth, textW, buttonsW}) + 2 * kMargin + kStripe;
    const int textH = static_cast<int>(l.lines.size()) * l.lineHeight;
    l.height = kMargin + textH + kMargin + kButtonH + kMargin;
    int x = kStripe + (l.width - kStripe - buttonsW) / 2;
    for (int i = 0; i < count; ++i, x += kButtonW + kButtonGap)
        l.buttons.push_back({x, l.height - kMargin - kButtonH, kButtonW, kButtonH});
    return l;
}

void Fill(SDL_Surface* s, const SDL_Rect& r, Rgb c) {
    SDL_FillRect(s, &r, SDL_MapRGB(s->format, c.r, c.g, c.b));
}

void Text(SDL_Surface* s, TextPainter& painter, const Font& font, Rgb colour, int x, int y,
          const std::string& text) {
    SDL_Surface* rendered = painter.Render(font, colour, text);
    if (!rendered) return;
    SDL_Rect at{x, y, rendered->w, rendered->h};
    SDL_BlitSurface(rendered, nullptr, s, &at);
}

void Draw(SDL_Window* window, const BoxStyle& style, const Layout& l, TextPainter& painter) {
    SDL_Surface* s = SDL_GetWindowSurface(window);
    if (!s) return;
    Fill(s, {0, 0, s->w, s->h}, kFrame);
    Fill(s, {2, 2, s->w - 4, s->h - 4}, kBack);
    Fill(s, {2, 2, kStripe, s->h - 4}, style.accent);
    int y = kMargin;
    for (const std::string& line : l.lines) {
        Text(s, painter, kTextFont, kText, kStripe + kMargin, y, line);
        y += l.lineHeight;
    }
    for (size_t i = 0; i < l.buttons.size(); ++i) {
        const SDL_Rect& b = l.buttons[i];
        const bool isDefault = i == 0;
        Fill(s, b, kFrame);
        Fill(s, {b.x + 2, b.y + 2, b.w - 4, b.h - 4}, isDefault ? style.accent : kButtonBack);
        int tw = 0, th = 0;
        painter.Size(kButtonFont, style.buttons[i], tw, th);
        Text(s, painter, kButtonFont, isDefault ? kDefaultText : kText, b.x + (b.w - tw) / 2,
             b.y + (b.h - th) / 2, style.buttons[i]);
    }
    SDL_UpdateWindowSurface(window);
}

// The button under (x, y) of the box's window, or -1.
int ButtonAt(const Layout& l, int x, int y) {
    const SDL_Point p{x, y};
    for (size_t i = 0; i < l.buttons.size(); ++i)
        if (SDL_PointInRect(&p, &l.buttons[i])) return static_cast<int>(i);
    return -1;
}

bool NoWindowSystem() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return !driver || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0;
}

bool PrintInstead(const std::string& text, const char* why) {
    std::fprintf(stderr, "Murk: %s\n(no message box: %s)\n", text.c_str(), why);
    return true;
}

// The window for the box, centred over the parent (or the first display), above it.
Owned<SDL_Window> OpenBoxWindow(SDL_Window* parent, const Layout& l) {
    const int display = parent ? std::max(0, SDL_GetWindowDisplayIndex(parent)) : 0;
    const int centred = static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(display));
    Owned<SDL_Window> window(
        SDL_CreateWindow("Murk", centred, centred, l.width, l.height,
                         SDL_WINDOW_HIDDEN | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR));
    if (!window) return window;
    if (parent) SDL_SetWindowModalFor(window.get(), parent);
    SDL_ShowWindow(window.get());
    SDL_RaiseWindow(window.get());
    // Without a window manager nobody gives a new window the keyboard; the box takes it (and
    // keys sent to the game's window answer it all the same).
    SDL_SetWindowInputFocus(window.get());
    return window;
}

// A game pad's button answers as a key does: its fire button (A) as Return, its other face
// button (B) as Escape.
std::optional<bool> AnswerForPadButton(BoxKind kind, Uint8 button) {
    if (button == SDL_CONTROLLER_BUTTON_A) return AnswerForKey(kind, SDLK_RETURN);
    if (button == SDL_CONTROLLER_BUTTON_B) return AnswerForKey(kind, SDLK_ESCAPE);
    return std::nullopt;
}

bool PadButtonHeld(SDL_JoystickID pad, Uint8 button) {
    SDL_GameController* c = SDL_GameControllerFromInstanceID(pad);
    return c && SDL_GameControllerGetButton(c, static_cast<SDL_GameControllerButton>(button)) != 0;
}

// The pad button that answered a box goes up after it, as the key does: its release is the
// box's. The other pad buttons' events waiting meanwhile are kept for the game.
void DropPadRelease(SDL_JoystickID pad, Uint8 button, std::vector<SDL_Event>& kept) {
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLERBUTTONUP) ==
           1)
        if (!(e.type == SDL_CONTROLLERBUTTONUP && e.cbutton.which == pad &&
              e.cbutton.button == button))
            kept.push_back(e);
}

// Runs the box until it is answered. Events that are not the box's and not input (the game
// window's close, for one) are kept and put back for the game once the box is gone. Of a game
// pad, a press is the box's, but what it lets go of (a button, the stick) and its plugging in or
// out are the game's too, so that no pad control stays held in the game.
bool RunBox(SDL_Window* window, BoxKind kind, const BoxStyle& style, const Layout& layout,
            TextPainter& painter, const std::function<void()>& refreshParent,
            const std::function<void()>& readPads) {
    const Uint32 boxId = SDL_GetWindowID(window);
    const bool noAnswer = ClosedAnswer(style);
    std::vector<SDL_Event> kept;
    std::optional<bool> answer;
    SDL_Scancode answeredBy = SDL_SCANCODE_UNKNOWN;
    SDL_JoystickID answeredPad = -1;
    Uint8 answeredButton = 0;
    int pressed = -1;
    Draw(window, style, layout, painter);
    while (!answer && !TerminationRequested()) {
        SDL_Event e;
        // SDL reads the pads only when asked (Session): the wait is short enough for a pad.
        if (readPads) readPads();
        if (SDL_WaitEventTimeout(&e, 20) != 1) continue;
        switch (e.type) {
            case SDL_KEYDOWN:
                if (e.key.repeat) break;
                answer = AnswerForKey(kind, e.key.keysym.sym);
                answeredBy = e.key.keysym.scancode;
                break;
            case SDL_CONTROLLERBUTTONDOWN:
                answer = AnswerForPadButton(kind, e.cbutton.button);
                if (answer) {
                    answeredPad = e.cbutton.which;
                    answeredButton = e.cbutton.button;
                }
                break;
            case SDL_CONTROLLERBUTTONUP:
            case SDL_CONTROLLERAXISMOTION:
            case SDL_CONTROLLERDEVICEADDED:
            case SDL_CONTROLLERDEVICEREMOVED:
                kept.push_back(e);
                break;
            case SDL_MOUSEBUTTONDOWN:
                if (e.button.windowID == boxId && e.button.button == SDL_BUTTON_LEFT)
                    pressed = ButtonAt(layout, e.button.x, e.button.y);
                break;
            case SDL_MOUSEBUTTONUP:
                if (e.button.windowID == boxId && pressed >= 0 &&
                    ButtonAt(layout, e.button.x, e.button.y) == pressed)
                    answer = pressed == 0;
                pressed = -1;
                break;
            case SDL_WINDOWEVENT:
                if (e.window.windowID == boxId) {
                    if (e.window.event == SDL_WINDOWEVENT_CLOSE) answer = noAnswer;
                    if (e.window.event == SDL_WINDOWEVENT_EXPOSED)
                        Draw(window, style, layout, painter);
                } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                           e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    if (refreshParent) refreshParent();
                } else {
                    kept.push_back(e);
                }
                break;
            case SDL_QUIT:
                kept.push_back(e);
                break;
            default:  // other input is the box's: it does not reach the game
                break;
        }
    }
    // The key that answered goes up after the box: its release is the box's too, not the game's
    // (an Escape let go at the menu would ask to quit).
    for (Uint32 until = SDL_GetTicks() + 1000;
         ((answeredBy != SDL_SCANCODE_UNKNOWN && SDL_GetKeyboardState(nullptr)[answeredBy]) ||
          PadButtonHeld(answeredPad, answeredButton)) &&
         !SDL_TICKS_PASSED(SDL_GetTicks(), until);) {
        if (readPads) readPads();
        SDL_PumpEvents();
        SDL_Delay(10);
    }
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
    if (answeredPad >= 0) DropPadRelease(answeredPad, answeredButton, kept);
    for (SDL_Event& e : kept) SDL_PushEvent(&e);
    return answer.value_or(noAnswer);
}

}  // namespace

std::optional<bool> AnswerForKey(BoxKind kind, SDL_Keycode key) {
    const BoxStyle& style = StyleFor(kind);
    const bool question = style.buttons.size() == 2;
    switch (key) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return true;
        case SDLK_ESCAPE:
            return !question;
        case SDLK_y:
            if (kind == BoxKind::ConfirmYesNo) return true;
            return std::nullopt;
        case SDLK_n:
            if (kind == BoxKind::ConfirmYesNo) return false;
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::vector<std::string> WrapText(const std::string& text, int width,
                                  const std::function<int(const std::string&)>& measure) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string paragraph;
    while (std::getline(in, paragraph)) {
        std::string line;
        std::istringstream words(paragraph);
        std::string word;
        while (words >> word) {
            const std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && measure(longer) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = longer;
            }
        }
        lines.push_back(line);
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

bool ShowBox(SDL_Window* parent, BoxKind kind, const std::string& text, TextPainter& painter,
             const std::function<void()>& refreshParent, const std::function<void()>& readPads) {
    const BoxStyle& style = StyleFor(kind);
    // Once the program is asked to end, no box holds it up.
    const bool noAnswer = ClosedAnswer(style);
    if (TerminationRequested()) return noAnswer;
    if (NoWindowSystem()) return PrintInstead(text, "no window system");
    const Layout layout = LayOut(style, text, painter);
    const bool parentFocused = parent && (SDL_GetWindowFlags(parent) & SDL_WINDOW_INPUT_FOCUS) != 0;
    Owned<SDL_Window> window = OpenBoxWindow(parent, layout);
    if (!window) return PrintInstead(text, SDL_GetError());
    const bool answer = RunBox(window.get(), kind, style, layout, painter, refreshParent, readPads);
    window.reset();
    // The keyboard goes back to the game's window, which without a window manager nobody else
    // would give it.
    if (parentFocused) SDL_SetWindowInputFocus(parent);
    if (TerminationRequested()) return noAnswer;
    return answer;
}

}  // namespace murk::sdl
