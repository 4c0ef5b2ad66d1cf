// Game pad events turned into the key presses and releases of the window on top.
#include "ui/padinput.h"

#include <algorithm>
#include <vector>

#include "ui/desk.h"
#include "ui/form.h"

namespace murk {

namespace {

void TellWindows(Desk& desk) {
    for (Form* f : std::vector<Form*>(desk.shownForms)) f->PadsChanged();
}

void Press(Desk& desk, ConnectedPad& p, size_t control) {
    p.sentKey[control] = 0;
    p.sentTo[control] = nullptr;
    Form* f = ActiveForm(desk);
    if (!f) return;
    const auto c = static_cast<PadControl>(control);
    if (f->PadPressed(p, c)) return;
    const int key = f->PadKey(c, p.player);
    if (key == 0) return;
    p.sentKey[control] = key;
    p.sentTo[control] = f->KeyTarget();
    PressKey(desk, *f, key);
}

// The release goes where the press went; where that window or screen has gone meanwhile (the
// abort question ended the game, the name dialog closed), it goes nowhere.
void Release(Desk& desk, ConnectedPad& p, size_t control) {
    const int key = p.sentKey[control];
    const void* to = p.sentTo[control];
    p.sentKey[control] = 0;
    p.sentTo[control] = nullptr;
    if (key == 0) return;
    Form* f = ActiveForm(desk);
    if (f && f->KeyTarget() == to)
        ReleaseKey(desk, *f, key);
    else
        desk.keysDown.erase(key);
}

// Delivers what changed in what the pad holds: every release first, so a stick swung from east
// to west lets go of east before it presses west (a walk ignores the opposite key). A key's
// handler may run the whole game and let every pad's events through: the pad is looked up again
// before each control, and each control's new state is noted before its key goes.
void DeliverChanges(Desk& desk, int id) {
    for (const bool press : {false, true}) {
        for (size_t i = 0; i < kPadControls && !desk.terminated; ++i) {
            ConnectedPad* p = FindPad(desk.pads, id);
            if (!p) return;
            const bool now = HeldControls(*p)[i];
            if (now != press || p->held[i] == now) continue;
            p->held[i] = now;
            if (press)
                Press(desk, *p, i);
            else
                Release(desk, *p, i);
        }
    }
}

}  // namespace

void DispatchPadEvent(Desk& desk, const Event& e) {
    if (e.kind == EventKind::PadAdded) {
        if (AddPad(desk.pads, e.pad, e.text)) TellWindows(desk);
        return;
    }
    ConnectedPad* p = FindPad(desk.pads, e.pad);
    if (!p) return;
    switch (e.kind) {
        case EventKind::PadButtonDown:
        case EventKind::PadButtonUp:
            if (e.button < 0 || e.button >= pad::kButtons) return;
            p->buttons[static_cast<size_t>(e.button)] = e.kind == EventKind::PadButtonDown;
            break;
        case EventKind::PadAxis:
            if (e.button < 0 || e.button >= pad::kAxes) return;
            p->axes[static_cast<size_t>(e.button)] =
                std::clamp(e.value, pad::kAxisMin, pad::kAxisMax);
            break;
        case EventKind::PadRemoved:
            p->buttons = {};
            p->axes = {};
            break;
        default:
            return;
    }
    DeliverChanges(desk, e.pad);
    if (e.kind != EventKind::PadRemoved) return;
    std::erase_if(desk.pads.connected, [&](const ConnectedPad& c) { return c.id == e.pad; });
    TellWindows(desk);
}

}  // namespace murk
