// The message pump, timers and window stacking.
#include "shell/app.h"

#include <algorithm>

#include "options/optionsform.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"

namespace murk {

App::App(Platform& platform) : pf(platform), runLoop(GameLoop) {}
App::~App() = default;

void SetTimerInterval(App& app, Timer& t, int ms) {
    if (ms == t.interval) return;
    t.interval = ms;
    if (ms > 0) t.due = app.pf.NowMs() + static_cast<uint64_t>(ms);
}

namespace {

// When the earliest running timer falls due; kNoDeadline when none runs.
uint64_t NextTimerDue(const App& app) {
    uint64_t next = kNoDeadline;
    for (const Timer* t : {&app.WarpTimer, &app.GameOverTimer})
        if (t->interval > 0) next = std::min(next, t->due);
    return next;
}

Form* ActiveForm(App& app) { return app.shownForms.empty() ? nullptr : app.shownForms.back(); }

void Dispatch(App& app, const Event& e) {
    if (e.kind == EventKind::Close) {
        if (app.mainForm) app.mainForm->FormClose();
        return;
    }
    if (e.kind == EventKind::Paint) {
        for (Form* f : std::vector<Form*>(app.shownForms)) f->PaintAll();
        return;
    }
    Form* f = ActiveForm(app);
    if (!f) return;
    switch (e.kind) {
        case EventKind::KeyDown: f->KeyDown(e.key); break;
        case EventKind::KeyUp: f->KeyUp(e.key); break;
        case EventKind::Text: f->TextTyped(e.text); break;
        case EventKind::MouseDown: f->MouseDown(e.button, e.x, e.y); break;
        case EventKind::MouseUp: f->MouseUp(e.button, e.x, e.y); break;
        default: break;
    }
}

void FireIfDue(App& app, Timer& t) {
    if (t.interval <= 0 || app.pf.NowMs() < t.due) return;
    t.due = app.pf.NowMs() + static_cast<uint64_t>(t.interval);
    if (t.onTimer) t.onTimer();
}

}  // namespace

void ProcessMessages(App& app) {
    Event e;
    while (!app.terminated && app.pf.PollEvent(e)) Dispatch(app, e);
    if (app.terminated) return;
    FireIfDue(app, app.WarpTimer);
    FireIfDue(app, app.GameOverTimer);
}

void AwaitEvent(App& app, const char* what) { app.pf.AwaitingEvent(what, NextTimerDue(app)); }

void WaitForMessages(App& app, const char* what) {
    AwaitEvent(app, what);
    app.pf.WaitEvent(NextTimerDue(app));
}

void ShowForm(App& app, Form& f) {
    std::erase(app.shownForms, &f);
    app.shownForms.push_back(&f);
    f.SetShown(true);
    f.PaintAll();
}

void HideForm(App& app, Form& f) {
    if (!f.Shown()) return;
    const bool wasOnTop = ActiveForm(app) == &f;
    std::erase(app.shownForms, &f);
    f.SetShown(false);
    if (wasOnTop)
        for (Form* other : std::vector<Form*>(app.shownForms)) other->PaintAll();
}

void ShowException(App& app, const std::string& text) { app.pf.MessageBox(BoxKind::Exception, text); }
void ShowError(App& app, const std::string& text) { app.pf.MessageBox(BoxKind::Error, text); }
bool Confirm(App& app, const std::string& text, bool okCancel) {
    return app.pf.MessageBox(okCancel ? BoxKind::ConfirmOkCancel : BoxKind::ConfirmYesNo, text);
}

}  // namespace murk
