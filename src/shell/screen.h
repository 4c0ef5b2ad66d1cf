// Screen: one face of the main window that the player moves between (the menu, play, the level
// editor). The moves
// between screens are in shell/screens.h; each screen's own file says what its keys do.
#pragma once

#include "ui/form.h"

namespace murk {

class Screen {
public:
    virtual ~Screen() = default;
    // A key pressed or released in the main window while this screen shows (Print Screen's
    // capture is the window's own, for every screen).
    virtual void KeyDown(int key) = 0;
    virtual void KeyUp(int key) = 0;
    // The key a game pad's control presses while this screen shows, for a pad playing `player`.
    virtual int PadKey(PadControl c, int /*player*/) const { return WindowPadKey(c); }
    // The pointer over the main window: a press or a release (true when the screen took it; the
    // window's widgets get it otherwise), and its moves while the screen tracks it.
    virtual bool MouseDown(int, int, int) { return false; }
    virtual bool MouseUp(int, int, int) { return false; }
    virtual void MouseMove(int, int) {}
    // The screen has taken the main window (shell/screens.h): it draws what is its own.
    virtual void Shown() {}
    // The main window has been painted whole: the screen draws what is its own over it.
    virtual void Paint() {}
};

}  // namespace murk
