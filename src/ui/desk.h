// Desk: what every window stands on — the platform, the shown windows, the timers and the pump.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/safefile.h"
#include "platform/platform.h"
#include "ui/pads.h"

namespace murk {

class Form;

// A window timer on the platform clock. Interval 0 stops it; setting the interval it already
// has keeps the countdown running.
struct Timer {
    int interval = 0;
    uint64_t due = 0;
    std::function<void()> onTimer;
};

struct Desk {
    explicit Desk(Platform& platform) : pf(platform) {}

    Platform& pf;
    bool terminated = false;        // set by ShutDown; every loop ends at its next check
    std::string DirLbl;             // program directory with a trailing '/'
    std::string DataDir;            // the shipped pictures, sounds and levels, with a trailing '/'
    std::vector<Form*> shownForms;  // in showing order; the last one receives input
    std::vector<Timer*> timers;     // the timers the pump fires, in this order
    std::function<void()> onClose;  // the window's close button
    // Each key down now, with the window its press went to. A key held while another window
    // comes up (a walking player's arrow when the name dialog opens) repeats into that window.
    std::map<int, const Form*> keysDown;
    PadBoard pads;                              // the game pads connected, and Pads.dat
    std::function<void(bool focused)> onFocus;  // the main window lost or regained the keyboard
};

// The window that receives input: the last one shown, or none.
Form* ActiveForm(Desk& desk);

// A key pressed or let go in window `f`, as the keyboard's keys are (a game pad's are too).
void PressKey(Desk& desk, Form& f, int key);
void ReleaseKey(Desk& desk, Form& f, int key);

void SetTimerInterval(Desk& desk, Timer& t, int ms);

// Called once a round by a loop that only an event or a timer can end; `what` names the wait
// for the platform (see Platform::AwaitingEvent).
void AwaitEvent(Desk& desk, const char* what);

// Delivers every pending event to its window and fires due timers. Safe to call from inside a
// handler: each event is taken from the queue once, so nothing is lost or delivered twice.
void ProcessMessages(Desk& desk);

// Waits for the next event or the next due timer; the idle loops call it between their pumps.
// `what` names the wait, as for AwaitEvent, which it calls first.
void WaitForMessages(Desk& desk, const char* what);

// A wait of `ms` milliseconds that serves every event and timer as it comes (ProcessMessages
// first, then after each wake-up): the machine is asked to wait once until the next of the wait's
// end, a timer's due time or an event. Only the time spent waiting counts towards `ms`, so a
// handler that takes long does not shorten the rest, as a row of 1 ms sleeps would not either.
// Ends early once the program is terminated.
void WaitMessagesFor(Desk& desk, int ms);

// Shows a window over the others, or hides it (the window below is painted again).
void ShowForm(Desk& desk, Form& f);
void HideForm(Desk& desk, Form& f);

// The application's standard display of a failure's own text.
void ShowException(Desk& desk, const std::string& text);
void ShowError(Desk& desk, const std::string& text);
// A save that failed: the reason first where it is more than the disk, then the error `text`.
void ShowSaveFailure(Desk& desk, SaveResult result, const std::string& fileName,
                     const std::string& text);
bool Confirm(Desk& desk, const std::string& text, bool okCancel = false);

// The failure thrown inside an operation and caught at its top (drawing, loading, capturing).
struct Failure {
    std::string text;
};

}  // namespace murk
