// Form: one of the game's windows, drawn into the shared canvas, with key preview and focus.
#pragma once

#include <functional>
#include <memory>

#include "ui/pads.h"
#include "ui/widgets.h"

namespace murk {

// What a game pad's control does in a window: it moves and confirms as the arrow keys and Enter
// do, and its item-menu button goes back as Escape does.
int WindowPadKey(PadControl c);

class Form {
public:
    // A form covers `area` of the canvas (the full screen for most windows).
    Form(Platform& pf, Rect area, Rgb background);
    virtual ~Form() = default;

    Platform& Pf() { return pf_; }
    Panel& Root() { return *root_; }
    Rect Area() const { return root_->Bounds(); }
    bool Shown() const { return shown_; }
    void SetShown(bool s) { shown_ = s; }

    // Paints the whole form: background, widgets, then the form's own painting.
    void PaintAll();

    // Event entry points, called by the message pump for the active form.
    // `pressedElsewhere`: a repeat of a key pressed while another window had the keyboard; the
    // form still previews it, but an edit does not take it as an edit.
    void KeyDown(int key, bool pressedElsewhere = false);
    void KeyUp(int key);
    void TextTyped(const std::string& text);
    void MouseDown(int button, int x, int y);
    void MouseUp(int button, int x, int y);
    void MouseMove(int x, int y);

    // What a game pad's control stands for in this window: the key it presses and lets go (0:
    // nothing). `player` is the player the pad plays. WindowPadKey unless the window says.
    virtual int PadKey(PadControl c, int /*player*/) const { return WindowPadKey(c); }
    // A pad's press before it stands for a key: true when the window took it as its own.
    virtual bool PadPressed(ConnectedPad&, PadControl) { return false; }
    // A pad connected or went.
    virtual void PadsChanged() {}
    // Where a key pressed now goes (the main window: the screen it shows). A pad's release goes
    // only where its press went.
    virtual const void* KeyTarget() const { return this; }

    Widget* FocusedWidget() const { return focus_; }
    void SetFocus(Widget* w);
    // Moves the focus to the next widget that takes it, in layout order (the Tab key).
    void FocusNext();

protected:
    // Key preview: the form sees keys before the focused widget; return true to swallow.
    virtual bool FormKeyDown(int) { return false; }
    virtual bool FormKeyUp(int) { return false; }
    // Mouse preview, likewise: the form sees a press or release before its widgets, and every
    // move of a tracked pointer (Platform::TrackPointer).
    virtual bool FormMouseDown(int, int, int) { return false; }
    virtual bool FormMouseUp(int, int, int) { return false; }
    virtual void FormMouseMove(int, int) {}
    virtual void FormPaint() {}

private:
    Platform& pf_;
    std::unique_ptr<Panel> root_;
    Widget* focus_ = nullptr;
    Widget* pressed_ = nullptr;
    bool shown_ = false;
};

}  // namespace murk
