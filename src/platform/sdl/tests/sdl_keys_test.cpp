// The scancode table and event translation: what reaches the game from keys, mouse and window.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/sdl/events.h"
#include "platform/sdl/keymap.h"

namespace murk::sdl {
namespace {

struct Expect {
    SDL_Scancode scancode;
    int vk;
};

// Every key the game can name or use, with the code it stores in Options.dat.
constexpr Expect kGameKeys[] = {
    {SDL_SCANCODE_A, 65},           {SDL_SCANCODE_M, 77},
    {SDL_SCANCODE_Z, 90},           {SDL_SCANCODE_0, 48},
    {SDL_SCANCODE_1, 49},           {SDL_SCANCODE_9, 57},
    {SDL_SCANCODE_KP_0, 96},        {SDL_SCANCODE_KP_1, 97},
    {SDL_SCANCODE_KP_9, 105},       {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_LEFT, 37},        {SDL_SCANCODE_UP, 38},
    {SDL_SCANCODE_RIGHT, 39},       {SDL_SCANCODE_DOWN, 40},
    {SDL_SCANCODE_LSHIFT, 16},      {SDL_SCANCODE_RSHIFT, 16},
    {SDL_SCANCODE_LCTRL, 17},       {SDL_SCANCODE_RCTRL, 17},
    {SDL_SCANCODE_LALT, 18},        {SDL_SCANCODE_RALT, 18},
    {SDL_SCANCODE_RETURN, 13},      {SDL_SCANCODE_KP_ENTER, 13},
    {SDL_SCANCODE_ESCAPE, 27},      {SDL_SCANCODE_BACKSPACE, 8},
    {SDL_SCANCODE_SPACE, 32},       {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_PAGEDOWN, 34},    {SDL_SCANCODE_END, 35},
    {SDL_SCANCODE_HOME, 36},        {SDL_SCANCODE_INSERT, 45},
    {SDL_SCANCODE_DELETE, 46},      {SDL_SCANCODE_F1, 112},
    {SDL_SCANCODE_F5, 116},         {SDL_SCANCODE_F12, 123},
    {SDL_SCANCODE_PRINTSCREEN, 44}, {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_PLUS, 107},    {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_PERIOD, 110},  {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_SEMICOLON, 186},  {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_COMMA, 188},      {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_PERIOD, 190},     {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192},      {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_BACKSLASH, 220},  {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222},
};

TEST(SdlKeymap, EveryGameKeyMapsToItsCode) {
    for (const Expect& e : kGameKeys)
        EXPECT_EQ(VirtualKeyFor(e.scancode), e.vk) << SDL_GetScancodeName(e.scancode);
}

TEST(SdlKeymap, KeysTheGameDoesNotUseAndBadScancodesGiveZero) {
    EXPECT_EQ(VirtualKeyFor(SDL_SCANCODE_UNKNOWN), 0);
    EXPECT_EQ(VirtualKeyFor(SDL_SCANCODE_CAPSLOCK), 0);
    EXPECT_EQ(VirtualKeyFor(SDL_SCANCODE_LGUI), 0);
    EXPECT_EQ(VirtualKeyFor(SDL_SCANCODE_VOLUMEUP), 0);
    EXPECT_EQ(VirtualKeyFor(SDL_NUM_SCANCODES), 0);
    EXPECT_EQ(VirtualKeyFor(-1), 0);
}

SDL_Event Key(Uint32 type, SDL_Scancode scancode, Uint8 repeat = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.scancode = scancode;
    e.key.repeat = repeat;
    return e;
}

TEST(SdlEvents, KeysGoThroughTheTableAndRepeatsAreFurtherKeyDowns) {
    Event out;
    ASSERT_TRUE(TranslateEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_RSHIFT), out));
    EXPECT_EQ(out.kind, EventKind::KeyDown);
    EXPECT_EQ(out.key, 16);
    ASSERT_TRUE(TranslateEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_UP, 1), out));
    EXPECT_EQ(out.kind, EventKind::KeyDown);
    EXPECT_EQ(out.key, 38);
    ASSERT_TRUE(TranslateEvent(Key(SDL_KEYUP, SDL_SCANCODE_KP_ENTER), out));
    EXPECT_EQ(out.kind, EventKind::KeyUp);
    EXPECT_EQ(out.key, 13);
    EXPECT_FALSE(TranslateEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_CAPSLOCK), out));
}

TEST(SdlEvents, MouseButtonsTextAndWindowEvents) {
    Event out;
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.x = 700;
    e.button.y = 500;
    ASSERT_TRUE(TranslateEvent(e, out));
    EXPECT_EQ(out.kind, EventKind::MouseDown);
    EXPECT_EQ(out.button, 3);
    EXPECT_EQ(out.x, 700);
    EXPECT_EQ(out.y, 500);
    e.type = SDL_MOUSEBUTTONUP;
    e.button.button = SDL_BUTTON_X1;
    EXPECT_FALSE(TranslateEvent(e, out));

    e = SDL_Event{};
    e.type = SDL_TEXTINPUT;
    SDL_strlcpy(e.text.text, "\xc3\xa9", sizeof e.text.text);
    ASSERT_TRUE(TranslateEvent(e, out));
    EXPECT_EQ(out.kind, EventKind::Text);
    EXPECT_EQ(out.text, "\xc3\xa9");

    e = SDL_Event{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    ASSERT_TRUE(TranslateEvent(e, out));
    EXPECT_EQ(out.kind, EventKind::Close);
    e.window.event = SDL_WINDOWEVENT_MOVED;
    EXPECT_FALSE(TranslateEvent(e, out));

    e = SDL_Event{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 300;
    e.motion.y = 200;
    ASSERT_TRUE(TranslateEvent(e, out));  // the platform lets moves through only when asked
    EXPECT_EQ(out.kind, EventKind::MouseMove);
    EXPECT_EQ(out.x, 300);
    EXPECT_EQ(out.y, 200);
}

}  // namespace
}  // namespace murk::sdl
