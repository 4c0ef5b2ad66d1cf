// The message pump, timers and window stacking.
#include "ui/desk.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/padinput.h"

namespace murk {

void SetTimerInterval(Desk& desk, Timer& t, int ms) {
    if (ms == t.interval) return;
    t.interval = ms;
    if (ms > 0) t.due = desk.pf.NowMs() + static_cast<uint64_t>(ms);
}

namespace {

// When the earliest running timer falls due; kNoDeadline when none runs.
uint64_t NextTimerDue(const Desk& desk) {
    uint64_t next = kNoDeadline;
    for (const Timer* t : desk.timers)
        if (t->interval > 0) next = std::min(next, t->due);
    return next;
}

void Dispatch(Desk& desk, const Event& e) {
    switch (e.kind) {
        case EventKind::Close:
            if (desk.onClose) desk.onClose();
            return;
        case EventKind::Paint:
            for (Form* f : std::vector<Form*>(desk.shownForms)) f->PaintAll();
            return;
        case EventKind::PadAdded:
        case EventKind::PadRemoved:
        case EventKind::PadButtonDown:
        case EventKind::PadButtonUp:
        case EventKind::PadAxis:
            DispatchPadEvent(desk, e);
            return;
        case EventKind::FocusLost:
        case EventKind::FocusGained:
            if (desk.onFocus) desk.onFocus(e.kind == EventKind::FocusGained);
            return;
        default:
            break;
    }
    Form* f = ActiveForm(desk);
    if (!f) return;
    switch (e.kind) {
        case EventKind::KeyDown:
            PressKey(desk, *f, e.key);
            break;
        case EventKind::KeyUp:
            ReleaseKey(desk, *f, e.key);
            break;
        case EventKind::Text:
            f->TextTyped(e.text);
            break;
        case EventKind::MouseDown:
            f->MouseDown(e.button, e.x, e.y);
            break;
        case EventKind::MouseUp:
            f->MouseUp(e.button, e.x, e.y);
            break;
        case EventKind::MouseMove:
            f->MouseMove(e.x, e.y);
            break;
        default:
            break;
    }
}

void FireIfDue(Desk& desk, Timer& t) {
    if (t.interval <= 0 || desk.pf.NowMs() < t.due) return;
    t.due = desk.pf.NowMs() + static_cast<uint64_t>(t.interval);
    if (t.onTimer) t.onTimer();
}

}  // namespace

Form* ActiveForm(Desk& desk) {
    return desk.shownForms.empty() ? nullptr : desk.shownForms.back();
}

void PressKey(Desk& desk, Form& f, int key) {
    const auto [held, pressed] = desk.keysDown.try_emplace(key, &f);
    f.KeyDown(key, !pressed && held->second != &f);
}

void ReleaseKey(Desk& desk, Form& f, int key) {
    desk.keysDown.erase(key);
    f.KeyUp(key);
}

void ProcessMessages(Desk& desk) {
    Event e;
    while (!desk.terminated && desk.pf.PollEvent(e)) Dispatch(desk, e);
    if (desk.terminated) return;
    for (Timer* t : desk.timers) FireIfDue(desk, *t);
}

void AwaitEvent(Desk& desk, const char* what) {
    desk.pf.AwaitingEvent(what, NextTimerDue(desk));
}

void WaitForMessages(Desk& desk, const char* what) {
    AwaitEvent(desk, what);
    desk.pf.WaitEvent(NextTimerDue(desk));
}

void WaitMessagesFor(Desk& desk, int ms) {
    uint64_t left = ms > 0 ? static_cast<uint64_t>(ms) : 0;
    while (left > 0 && !desk.terminated) {
        ProcessMessages(desk);
        if (desk.terminated) return;
        const uint64_t before = desk.pf.NowMs();
        desk.pf.WaitEvent(std::min(before + left, NextTimerDue(desk)));
        const uint64_t waited = desk.pf.NowMs() - before;
        left -= std::min(left, waited);
    }
}

void ShowForm(Desk& desk, Form& f) {
    std::erase(desk.shownForms, &f);
    desk.shownForms.push_back(&f);
    f.SetShown(true);
    f.PaintAll();
}

void HideForm(Desk& desk, Form& f) {
    if (!f.Shown()) return;
    const bool wasOnTop = ActiveForm(desk) == &f;
    std::erase(desk.shownForms, &f);
    f.SetShown(false);
    if (wasOnTop)
        for (Form* other : std::vector<Form*>(desk.shownForms)) other->PaintAll();
}

void ShowException(Desk& desk, const std::string& text) {
    desk.pf.MessageBox(BoxKind::Exception, text);
}
void ShowError(Desk& desk, const std::string& text) {
    desk.pf.MessageBox(BoxKind::Error, text);
}
void ShowSaveFailure(Desk& desk, SaveResult result, const std::string& fileName,
                     const std::string& text) {
    if (result == SaveResult::FolderTakesNoNewFile)
        ShowException(desk, SaveFailureText(result, fileName));
    ShowError(desk, text);
}
bool Confirm(Desk& desk, const std::string& text, bool okCancel) {
    return desk.pf.MessageBox(okCancel ? BoxKind::ConfirmOkCancel : BoxKind::ConfirmYesNo, text);
}

}  // namespace murk
