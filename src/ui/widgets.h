// The small widget set the game's windows are built from: panels, labels, pictures and edits.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace murk {

class Form;

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

enum class Align { Left, Center, Right };

// A frame `width` pixels thick just inside the rectangle (around a borderless dialog).
void DrawFrame(Platform& pf, Rect r, int width, Rgb colour);

// A widget sits at a position relative to its parent panel. It repaints itself at once when it
// changes and is on screen; a form paints all of its widgets when it is shown or asked to.
class Widget {
public:
    virtual ~Widget() = default;

    Rect Bounds() const { return bounds_; }
    Rect ScreenRect() const;
    void SetBounds(Rect r);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    // Visible itself, with every parent, on a form that is shown.
    bool OnScreen() const;
    Rgb Background() const;  // its own colour when opaque, else the parent's

    virtual void Paint(Platform& pf) = 0;
    virtual Widget* HitTest(int x, int y);  // screen coordinates
    virtual bool CanFocus() const { return false; }

    std::function<void()> onClick;
    std::function<void(int button)> onMouseDown;
    std::function<void(int button)> onMouseUp;

    void Repaint();

protected:
    friend class Panel;
    friend class Form;
    Widget* parent_ = nullptr;
    Form* form_ = nullptr;
    Rect bounds_;
    bool visible_ = true;
    bool opaque_ = false;
    Rgb colour_{};
};

class Panel : public Widget {
public:
    explicit Panel(Rgb background) {
        opaque_ = true;
        colour_ = background;
    }
    template <typename T, typename... Args>
    T* Add(Rect r, Args&&... args) {
        auto w = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = w.get();
        Adopt(std::move(w), r);
        return raw;
    }
    void Paint(Platform& pf) override;
    Widget* HitTest(int x, int y) override;
    const std::vector<std::unique_ptr<Widget>>& Children() const { return children_; }

private:
    void Adopt(std::unique_ptr<Widget> w, Rect r);
    std::vector<std::unique_ptr<Widget>> children_;
};

class Label : public Widget {
public:
    Label(std::string text, Font font, Rgb colour, Align align = Align::Left)
        : text_(std::move(text)), font_(font), textColour_(colour), align_(align) {}
    const std::string& Text() const { return text_; }
    Rgb Colour() const { return textColour_; }
    const Font& TextFont() const { return font_; }
    void SetText(std::string text);
    void SetColour(Rgb c);
    void SetBackground(Rgb c) {
        opaque_ = true;
        colour_ = c;
    }
    void Paint(Platform& pf) override;

private:
    std::string text_;
    Font font_;
    Rgb textColour_;
    Align align_;
};

// A picture, optionally with a caption drawn centred over it.
class Image : public Widget {
public:
    explicit Image(ImageId picture = kNoImage) : picture_(picture) {}
    ImageId Picture() const { return picture_; }
    void SetPicture(ImageId p);
    void SetCaption(std::string text, Font font, Rgb colour);
    void Paint(Platform& pf) override;

private:
    ImageId picture_;
    std::string caption_;
    Font captionFont_;
    Rgb captionColour_{};
};

// A one-line edit. Key edits and the sound switch are read-only; the game-speed and name edits
// take typed text at a caret and edit it by whole UTF-8 characters (a byte that starts no
// well-formed character counts as one). Gaining the focus selects everything and puts the caret
// at the end; typing or deleting then replaces the whole text, and moving the caret ends the
// selection.
class Edit : public Widget {
public:
    Edit(std::string text, Font font) : text_(std::move(text)), font_(font), caret_(text_.size()) {
        opaque_ = true;
    }
    const std::string& Text() const { return text_; }
    // Runs onChange when the text differs; the caret goes to the end. Not cut to MaxLength.
    void SetText(std::string text);
    size_t Caret() const { return caret_; }  // in bytes, at a character boundary
    // The most bytes typing may bring the text to (0: no limit); typed text beyond it is cut at
    // a character boundary.
    void SetMaxLength(size_t bytes) { maxLength_ = bytes; }
    int Tag() const { return tag_; }
    void SetTag(int t) { tag_ = t; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r) { readOnly_ = r; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    void SetTextColour(Rgb c);
    void SetFieldColour(Rgb c);  // the box behind the text (white unless set)
    bool Focused() const;
    bool CanFocus() const override { return enabled_ && visible_; }
    void Paint(Platform& pf) override;

    void TypeText(const std::string& typed);  // from a Text event: goes in at the caret
    // Backspace, Delete, Left, Right, Home and End; other keys, and every key while the edit is
    // read-only or disabled, do nothing.
    void EditKey(int key);

    std::function<void()> onChange;
    std::function<void()> onExit;  // focus lost
    std::function<void(int key)> onKeyUp;
    std::function<bool(int key)> onKeyDown;  // true when the key is swallowed

private:
    friend class Form;
    void SelectAll(bool all);
    void MoveCaret(size_t to);
    // Puts `with` in place of text_[from, to) and leaves the caret after it.
    void Replace(size_t from, size_t to, std::string_view with);
    // Moves the first character shown so that the caret stays within `width` pixels of it.
    void ScrollToCaret(Platform& pf, int width);
    int TextWidth(Platform& pf, size_t from, size_t to) const;

    std::string text_;
    Font font_;
    size_t caret_ = 0;
    size_t firstShown_ = 0;  // the field shows the text from this byte on
    size_t maxLength_ = 0;
    Rgb textColour_{0, 0, 0};
    Rgb fieldColour_{255, 255, 255};
    int tag_ = 0;
    bool readOnly_ = false;
    bool enabled_ = true;
    bool allSelected_ = false;
};

}  // namespace murk
