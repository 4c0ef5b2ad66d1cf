// Widget painting, hit testing and the edit's text handling.
#include "ui/widgets.h"

#include "ui/form.h"

namespace murk {

// ---- Widget ----

Rect Widget::ScreenRect() const {
    Rect r = bounds_;
    for (const Widget* p = parent_; p; p = p->parent_) {
        r.x += p->bounds_.x;
        r.y += p->bounds_.y;
    }
    return r;
}

void Widget::SetBounds(Rect r) {
    if (r.x == bounds_.x && r.y == bounds_.y && r.w == bounds_.w && r.h == bounds_.h) return;
    bounds_ = r;
    Repaint();
}

void Widget::SetVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    if (v) {
        Repaint();
    } else if (parent_ && parent_->OnScreen()) {
        const Rect r = ScreenRect();
        form_->Pf().FillRect(r.x, r.y, r.w, r.h, parent_->Background());
    }
}

bool Widget::OnScreen() const {
    for (const Widget* w = this; w; w = w->parent_)
        if (!w->visible_) return false;
    return form_ && form_->Shown();
}

Rgb Widget::Background() const {
    for (const Widget* w = this; w; w = w->parent_)
        if (w->opaque_) return w->colour_;
    return {};
}

Widget* Widget::HitTest(int x, int y) {
    return visible_ && ScreenRect().Contains(x, y) ? this : nullptr;
}

void Widget::Repaint() {
    if (OnScreen()) Paint(form_->Pf());
}

// ---- Panel ----

void Panel::Adopt(std::unique_ptr<Widget> w, Rect r) {
    w->parent_ = this;
    w->form_ = form_;
    w->bounds_ = r;
    children_.push_back(std::move(w));
}

void Panel::Paint(Platform& pf) {
    const Rect r = ScreenRect();
    pf.FillRect(r.x, r.y, r.w, r.h, colour_);
    for (auto& c : children_)
        if (c->visible_) c->Paint(pf);
}

Widget* Panel::HitTest(int x, int y) {
    if (!visible_ || !ScreenRect().Contains(x, y)) return nullptr;
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if (Widget* hit = (*it)->HitTest(x, y)) return hit;
    return this;
}

// ---- Label ----

void Label::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    Repaint();
}

void Label::SetColour(Rgb c) {
    if (c == textColour_) return;
    textColour_ = c;
    Repaint();
}

namespace {

void DrawAligned(Platform& pf, const Font& font, Rgb colour, const Rect& r, Align align,
                 const std::string& text) {
    if (text.empty()) return;
    int tw = 0, th = 0;
    pf.TextSize(font, text, tw, th);
    int x = r.x;
    if (align == Align::Center) x = r.x + (r.w - tw) / 2;
    if (align == Align::Right) x = r.x + r.w - tw;
    const int y = r.y + (r.h - th) / 2;
    pf.DrawText(font, colour, x, y, text, r.x, r.y, r.w, r.h);
}

}  // namespace

void Label::Paint(Platform& pf) {
    const Rect r = ScreenRect();
    pf.FillRect(r.x, r.y, r.w, r.h, Background());
    DrawAligned(pf, font_, textColour_, r, align_, text_);
}

// ---- Image ----

void Image::SetPicture(ImageId p) {
    picture_ = p;
    Repaint();
}

void Image::SetCaption(std::string text, Font font, Rgb colour) {
    caption_ = std::move(text);
    captionFont_ = font;
    captionColour_ = colour;
    Repaint();
}

void Image::Paint(Platform& pf) {
    const Rect r = ScreenRect();
    std::string error;
    if (picture_ == kNoImage || !pf.DrawImage(picture_, r.x, r.y, error))
        pf.FillRect(r.x, r.y, r.w, r.h, Background());
    DrawAligned(pf, captionFont_, captionColour_, r, Align::Center, caption_);
}

// ---- Edit ----

void Edit::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    Repaint();
    if (onChange) onChange();
}

void Edit::SetEnabled(bool e) {
    enabled_ = e;
    Repaint();
}

void Edit::SetTextColour(Rgb c) {
    textColour_ = c;
    Repaint();
}

void Edit::SetFieldColour(Rgb c) {
    fieldColour_ = c;
    Repaint();
}

bool Edit::Focused() const {
    return form_ && form_->FocusedWidget() == this;
}

void Edit::Paint(Platform& pf) {
    const Rect r = ScreenRect();
    const bool focused = Focused();
    pf.FillRect(r.x, r.y, r.w, r.h, focused ? Rgb{255, 220, 120} : Rgb{160, 160, 160});
    pf.FillRect(r.x + 2, r.y + 2, r.w - 4, r.h - 4, fieldColour_);
    const Rect inner{r.x + 6, r.y + 2, r.w - 12, r.h - 4};
    int tw = 0, th = 0;
    pf.TextSize(font_, text_, tw, th);
    if (focused && allSelected_ && !text_.empty())
        pf.FillRect(inner.x, inner.y + 2, std::min(tw, inner.w), inner.h - 4, Rgb{51, 153, 255});
    const bool light = fieldColour_.r + fieldColour_.g + fieldColour_.b > 384;
    const Rgb caret = light ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
    const Rgb colour = focused && allSelected_ ? Rgb{255, 255, 255} : textColour_;
    DrawAligned(pf, font_, colour, inner, Align::Left, text_);
    if (focused && !readOnly_) {
        const int cx = inner.x + std::min(tw, inner.w - 2);
        pf.FillRect(cx, inner.y + 3, 2, inner.h - 6, caret);
    }
}

void Edit::TypeText(const std::string& typed) {
    if (readOnly_ || !enabled_) return;
    std::string next = allSelected_ ? typed : text_ + typed;
    allSelected_ = false;
    if (next == text_) {
        Repaint();
        return;
    }
    SetText(std::move(next));
}

void Edit::Backspace() {
    if (readOnly_ || !enabled_) return;
    if (allSelected_) {
        allSelected_ = false;
        SetText("");
        Repaint();
        return;
    }
    if (text_.empty()) return;
    std::string next = text_;
    next.pop_back();
    SetText(std::move(next));
}

}  // namespace murk
