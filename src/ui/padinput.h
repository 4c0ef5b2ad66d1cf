// A game pad's events as the windows receive them: its controls press and let go of keys.
#pragma once

#include "platform/platform.h"

namespace murk {

struct Desk;

// A pad connects or goes, or what it holds changes. Each control it presses or lets go then
// reaches the window on top as the key that window gives it (Form::PadKey), releases before
// presses; a pad that goes lets go of everything it held, so no key stays down. Events of a pad
// that is not connected, and buttons or axes the game does not know, change nothing.
void DispatchPadEvent(Desk& desk, const Event& e);

}  // namespace murk
