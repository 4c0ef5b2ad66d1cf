// The scancode to virtual-key table, built once at compile time.
#include "platform/sdl/keymap.h"

#include <array>

#include "platform/platform.h"

namespace murk::sdl {

namespace {

struct KeyPair {
    SDL_Scancode scancode;
    int vk;
};

// Keys whose codes do not come in runs; letters, digits, keypad digits and F-keys are added
// from their runs below.
constexpr KeyPair kSingleKeys[] = {
    {SDL_SCANCODE_BACKSPACE, vk::Back},
    {SDL_SCANCODE_RETURN, vk::Enter},
    {SDL_SCANCODE_KP_ENTER, vk::Enter},
    {SDL_SCANCODE_TAB, vk::Tab},
    {SDL_SCANCODE_LSHIFT, vk::Shift},
    {SDL_SCANCODE_RSHIFT, vk::Shift},
    {SDL_SCANCODE_LCTRL, vk::Ctrl},
    {SDL_SCANCODE_RCTRL, vk::Ctrl},
    {SDL_SCANCODE_LALT, vk::Alt},
    {SDL_SCANCODE_RALT, vk::Alt},
    {SDL_SCANCODE_ESCAPE, vk::Escape},
    {SDL_SCANCODE_SPACE, vk::Space},
    {SDL_SCANCODE_PAGEUP, vk::PgUp},
    {SDL_SCANCODE_PAGEDOWN, vk::PgDn},
    {SDL_SCANCODE_END, vk::End},
    {SDL_SCANCODE_HOME, vk::Home},
    {SDL_SCANCODE_LEFT, vk::Left},
    {SDL_SCANCODE_UP, vk::Up},
    {SDL_SCANCODE_RIGHT, vk::Right},
    {SDL_SCANCODE_DOWN, vk::Down},
    {SDL_SCANCODE_PRINTSCREEN, vk::PrintScreen},
    {SDL_SCANCODE_INSERT, vk::Ins},
    {SDL_SCANCODE_DELETE, vk::Del},
    {SDL_SCANCODE_KP_MULTIPLY, vk::Multiply},
    {SDL_SCANCODE_KP_PLUS, vk::Add},
    {SDL_SCANCODE_KP_MINUS, vk::Subtract},
    {SDL_SCANCODE_KP_PERIOD, vk::Decimal},
    {SDL_SCANCODE_KP_DIVIDE, vk::Divide},
    {SDL_SCANCODE_SEMICOLON, 186},
    {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_PERIOD, 190},
    {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192},
    {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222},
};

// Runs of consecutive scancodes that map onto consecutive codes.
struct KeyRun {
    SDL_Scancode first;
    int count;
    int firstVk;
};

constexpr KeyRun kKeyRuns[] = {
    {SDL_SCANCODE_A, 26, 'A'},
    {SDL_SCANCODE_1, 9, '1'},  // SDL orders the digit row 1..9, 0
    {SDL_SCANCODE_0, 1, '0'},
    {SDL_SCANCODE_KP_1, 9, vk::Numpad0 + 1},
    {SDL_SCANCODE_KP_0, 1, vk::Numpad0},
    {SDL_SCANCODE_F1, 12, vk::F1},
};

constexpr std::array<int, SDL_NUM_SCANCODES> BuildTable() {
    std::array<int, SDL_NUM_SCANCODES> table{};
    for (const KeyRun& run : kKeyRuns)
        for (int i = 0; i < run.count; ++i) table[run.first + i] = run.firstVk + i;
    for (const KeyPair& pair : kSingleKeys) table[pair.scancode] = pair.vk;
    return table;
}

constexpr std::array<int, SDL_NUM_SCANCODES> kTable = BuildTable();

}  // namespace

int VirtualKeyFor(int scancode) {
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
    return kTable[scancode];
}

}  // namespace murk::sdl
