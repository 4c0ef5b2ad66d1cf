// The platform interface: the only door between the game core and the machine.
//
// The core talks to one Platform object. Two implementations exist: platform/sdl/ (the real
// window, keyboard, fonts, sound and message boxes) and platform/headless/ (an in-memory canvas,
// a virtual clock, scripted events and answers) used by tests and murk-sim. Nothing outside
// platform/sdl/ includes an SDL header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/safefile.h"

namespace murk {

// ---- Keys: Windows virtual-key codes, the game's own key numbering (stored in Options.dat) ----
namespace vk {
inline constexpr int Back = 8, Tab = 9, Enter = 13, Shift = 16, Ctrl = 17, Alt = 18, Escape = 27,
                     Space = 32, PgUp = 33, PgDn = 34, End = 35, Home = 36, Left = 37, Up = 38,
                     Right = 39, Down = 40, PrintScreen = 44, Ins = 45, Del = 46, Numpad0 = 96,
                     Multiply = 106, Add = 107, Subtract = 109, Decimal = 110, Divide = 111,
                     F1 = 112, F2 = 113, F3 = 114, F4 = 115, F5 = 116, F6 = 117, F7 = 118, F8 = 119,
                     F9 = 120, F10 = 121, F11 = 122, F12 = 123;
}  // namespace vk

// ---- Game pads: the buttons and axes of a standard pad (SDL's game-controller layout) ----
namespace pad {
inline constexpr int A = 0, B = 1, X = 2, Y = 3, Back = 4, Guide = 5, Start = 6, LeftStick = 7,
                     RightStick = 8, LeftShoulder = 9, RightShoulder = 10, DpadUp = 11,
                     DpadDown = 12, DpadLeft = 13, DpadRight = 14;
inline constexpr int kButtons = 15;
// The left stick's axes, the only ones the game reads: -32768 .. 32767, y grows downwards.
inline constexpr int LeftX = 0, LeftY = 1;
inline constexpr int kAxes = 2;
inline constexpr int kAxisMin = -32768, kAxisMax = 32767;
}  // namespace pad

// ---- Events ----
enum class EventKind {
    KeyDown,    // key: virtual-key code
    KeyUp,      // key: virtual-key code
    Text,       // text: UTF-8 characters typed (for editable fields)
    MouseDown,  // button (1 left, 2 middle, 3 right), x, y in canvas pixels
    MouseUp,
    MouseMove,  // x, y in canvas pixels; only while the pointer is tracked (TrackPointer)
    Paint,      // the windows are painted again (the SDL backend never asks: its canvas keeps the
                // picture, which it presents again itself when the window was exposed)
    Close,      // the window system asks the main window to close
    // A game pad connected: pad, its number while it stays connected; text, its identity: the
    // pad's kind (32 hexadecimal digits, the same for every pad of one make and model), a space
    // and its name.
    PadAdded,
    PadRemoved,     // pad
    PadButtonDown,  // pad, button (pad::A ..)
    PadButtonUp,
    PadAxis,      // pad, button: the axis (pad::LeftX, pad::LeftY), value
    FocusLost,    // the main window lost the keyboard (the player went to another window)
    FocusGained,  // and has it again
};

struct Event {
    EventKind kind = EventKind::Paint;
    int key = 0;
    int button = 0;
    int x = 0;
    int y = 0;
    std::string text;
    int pad = 0;
    int value = 0;
};

// ---- Drawing ----
struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

enum class FontFace {
    SansBold,   // the bold sans of panels, captions and forms
    Sans,       // plain sans for small print
    ComicBold,  // the comic face of the level title
};

struct Font {
    FontFace face = FontFace::SansBold;
    int px = 21;  // character height in pixels
    bool operator==(const Font&) const = default;
};

inline constexpr int kCanvasWidth = 1024;
inline constexpr int kCanvasHeight = 768;

using ImageId = int;  // >= 0 for a loaded picture
inline constexpr ImageId kNoImage = -1;

using SoundHandle = int;  // >= 0 for an opened sound
inline constexpr SoundHandle kNoSound = -1;

// A wait with no deadline (no timer is running): only an event ends it.
inline constexpr uint64_t kNoDeadline = UINT64_MAX;

// ---- Boxes and pointer ----
enum class BoxKind {
    Error,            // error icon, OK
    Exception,        // the application's standard exception display: error icon, OK
    ConfirmYesNo,     // question icon, Yes / No
    ConfirmOkCancel,  // question icon, OK / Cancel
    Plain,            // text and OK
};

enum class Pointer { Normal, Busy, Hidden };

class Platform {
public:
    virtual ~Platform() = default;

    // Events and time. PollEvent never blocks; it also presents the canvas when it has changed.
    virtual bool PollEvent(Event& e) = 0;
    // Blocks until an event is pending or NowMs() reaches `untilMs` (kNoDeadline: no timer is
    // running), presenting a changed canvas first. The idle loops (the menu, the windows, the
    // name dialog) wait here, so an idle game costs no processor time.
    virtual void WaitEvent(uint64_t untilMs) = 0;
    virtual void Sleep1ms() = 0;         // sleeps one millisecond of the game's pace
    virtual uint64_t NowMs() const = 0;  // milliseconds since an arbitrary start
    // The seed for the game's random generator, asked at start-up and at every game loop's
    // start: the wall clock on a real machine, a fixed number on a scripted one.
    virtual uint32_t RandomSeed() = 0;
    // Called by every loop of the core that only an event or a timer can end (a held level
    // arrow's repeat, a modal window, the idle menu), once a round: `nextTimerMs` is when the
    // earliest running timer falls due (kNoDeadline when none runs), `what` names the wait. A real
    // machine has nothing to do here; a scripted one can tell that nothing will ever end it.
    virtual void AwaitingEvent(const char* what, uint64_t nextTimerMs) {
        (void)what;
        (void)nextTimerMs;
    }

    // Called by a modal window that asks for typed text (the name dialog) once it shows, before
    // it waits for keys. At a real machine a person types and there is nothing to do; a scripted
    // machine queues the keys of its answer here.
    virtual void TextPromptShown() {}

    // Window and display.
    virtual void ShowWindow() = 0;  // shows the main window (its first paint follows)
    virtual void HideWindow() = 0;  // at shut-down
    virtual void DisplaySize(int& width, int& height) const = 0;
    virtual int SetDisplayMode(int width, int height) = 0;  // 0 on success
    virtual void SetPointer(Pointer p) = 0;
    // Whether the pointer's moves come as MouseMove events. Off unless a screen asks (the level
    // editor does while it shows): the menu and play have no use for them, and an idle wait
    // should not wake for them.
    virtual void TrackPointer(bool on) = 0;

    // The 1024x768 canvas.
    virtual ImageId LoadImageFile(const std::string& path, std::string& error) = 0;
    virtual ImageId LoadImageMemory(const uint8_t* data, size_t size, std::string& error) = 0;
    virtual void ImageSize(ImageId id, int& width, int& height) const = 0;
    virtual bool DrawImage(ImageId id, int x, int y, std::string& error) = 0;
    virtual void FillRect(int x, int y, int width, int height, Rgb colour) = 0;
    virtual void TextSize(const Font& font, const std::string& text, int& width, int& height) = 0;
    // Draws text with its top-left corner at (x, y), clipped to the rectangle (cx, cy, cw, ch).
    virtual void DrawText(const Font& font, Rgb colour, int x, int y, const std::string& text,
                          int cx, int cy, int cw, int ch) = 0;
    // Saves the canvas rectangle as a 24-bit BMP file.
    virtual bool SaveCanvasBmp(const std::string& path, int x, int y, int width, int height,
                               std::string& error) = 0;

    // Modal message boxes; true when the answer is Yes or OK.
    virtual bool MessageBox(BoxKind kind, const std::string& text) = 0;

    // Sounds: one player per file; play never waits for the sound to end.
    virtual SoundHandle OpenSound(const std::string& path, std::string& error) = 0;
    virtual bool StopSound(SoundHandle h) = 0;
    virtual void RewindSound(SoundHandle h) = 0;
    virtual void PlaySound(SoundHandle h) = 0;

    // Files. The program directory, where the game keeps the player's files (options, high
    // scores, captures, levels): the current directory at start-up, or for an installed game the
    // player's data folder (platform/folders.h).
    virtual std::string CurrentDirectory() const = 0;
    // Where the game's shipped pictures, sounds, levels and default high scores are: the program
    // directory, except for an installed game.
    virtual std::string DataDirectory() const { return CurrentDirectory(); }
    virtual bool FileExists(const std::string& path) const = 0;
    virtual bool IsReadOnly(const std::string& path) const = 0;
    virtual bool MakeWritable(const std::string& path) = 0;
    // The game's own files (levels, options, high scores, hints, the player's folder) are read
    // and saved here, so that a journal holds what each read found and what each save answered,
    // and a replay runs in any folder. A read takes the whole file, at most `maxBytes`.
    virtual FileReadResult ReadGameFile(const std::string& path, size_t maxBytes,
                                        std::string& out) = 0;
    // Saves `text` whole or not at all (base/safefile.h's SaveFile).
    virtual SaveResult SaveGameFile(const std::string& path, const std::string& text) = 0;
    // Removes what a save of `path` cut short left beside it (RemoveStaleTemporaries).
    virtual void RemoveStaleSaves(const std::string& path) = 0;
    // Makes the folder and its parents; true when it is there.
    virtual bool MakeFolder(const std::string& path) = 0;
};

}  // namespace murk
