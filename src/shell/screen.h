// Screen: one face of the main window that the player moves between (the menu, play). The moves
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
};

}  // namespace murk
