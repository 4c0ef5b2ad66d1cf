// Widget painting, hit testing and the edit's text handling.
#include "ui/widgets.h"

#include <algorithm>

#include "ui/form.h"

namespace murk {

void DrawFrame(Platform& pf, Rect r, int width, Rgb colour) {
    pf.FillRect(r.x, r.y, r.w, width, colour);
    pf.FillRect(r.x, r.y + r.h - width, r.w, width, colour);
    pf.FillRect(r.x, r.y, width, r.h, colour);
    pf.FillRect(r.x + r.w - width, r.y, width, r.h, colour);
}

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

namespace {

// However long the text, a field never shows, nor measures, more characters than this at once.
constexpr size_t kShownChars = 160;
constexpr int kCaretWidth = 2;

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The end of the character that starts at `at`: a well-formed UTF-8 sequence, or a single byte
// where none starts.
size_t NextChar(std::string_view s, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(at);
    size_t length = 1;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range, narrower after some leads
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    }
    if (length == 1 || s.size() - at < length) return at + 1;
    if (byte(at + 1) < low || byte(at + 1) > high) return at + 1;
    for (size_t i = 2; i < length; ++i)
        if (!IsContinuation(s[at + i])) return at + 1;
    return at + length;
}

// The start of the character that ends at `at` (> 0), agreeing with NextChar read from the start.
size_t PrevChar(std::string_view s, size_t at) {
    for (size_t back = std::min<size_t>(4, at); back >= 2; --back)
        if (!IsContinuation(s[at - back]) && NextChar(s, at - back) == at) return at - back;
    return at - 1;
}

// The longest start of `s` that holds whole characters and at most `bytes` bytes.
size_t CutAtChar(std::string_view s, size_t bytes) {
    if (s.size() <= bytes) return s.size();
    size_t end = 0;
    for (size_t next = NextChar(s, 0); next <= bytes; next = NextChar(s, next)) end = next;
    return end;
}

// The character boundaries from `from` on, `from` first: at most `count` characters' worth.
std::vector<size_t> CharsFrom(std::string_view s, size_t from, size_t count) {
    std::vector<size_t> at{from};
    while (at.size() <= count && at.back() < s.size()) at.push_back(NextChar(s, at.back()));
    return at;
}

// The character boundaries up to `to`, in order and `to` last: at most `count` characters' worth.
std::vector<size_t> CharsBefore(std::string_view s, size_t to, size_t count) {
    std::vector<size_t> at{to};
    while (at.size() <= count && at.back() > 0) at.push_back(PrevChar(s, at.back()));
    std::reverse(at.begin(), at.end());
    return at;
}

// The first index of `at` where `fits` holds, for a `fits` that once true stays true.
template <typename Fits>
size_t FirstFitting(const std::vector<size_t>& at, Fits fits) {
    size_t low = 0, high = at.size();
    while (low < high) {
        const size_t mid = low + (high - low) / 2;
        if (fits(at[mid]))
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

}  // namespace

void Edit::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    caret_ = text_.size();
    firstShown_ = 0;
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

int Edit::TextWidth(Platform& pf, size_t from, size_t to) const {
    if (from >= to) return 0;
    int w = 0, h = 0;
    pf.TextSize(font_, text_.substr(from, to - from), w, h);
    return w;
}

void Edit::ScrollToCaret(Platform& pf, int width) {
    // As standard edits do, the view jumps only when the caret leaves it, and then by more than
    // one character: the caret comes back a quarter of the way in from the edge it left by.
    const std::vector<size_t> ahead = CharsFrom(text_, firstShown_, kShownChars);
    if (caret_ >= firstShown_ && caret_ <= ahead.back() &&
        TextWidth(pf, firstShown_, caret_) <= width)
        return;
    const int before = caret_ < firstShown_ ? width / 4 : width * 3 / 4;
    const std::vector<size_t> back = CharsBefore(text_, caret_, kShownChars);
    firstShown_ = back[FirstFitting(
        back, [&](size_t from) { return TextWidth(pf, from, caret_) <= before; })];
}

void Edit::Paint(Platform& pf) {
    const Rect r = ScreenRect();
    const bool focused = Focused();
    pf.FillRect(r.x, r.y, r.w, r.h, focused ? Rgb{255, 220, 120} : Rgb{160, 160, 160});
    pf.FillRect(r.x + 2, r.y + 2, r.w - 4, r.h - 4, fieldColour_);
    const Rect inner{r.x + 6, r.y + 2, r.w - 12, r.h - 4};
    if (readOnly_)
        firstShown_ = 0;
    else
        ScrollToCaret(pf, inner.w - kCaretWidth);

    // Only what fits is drawn, and the character the edge cuts through.
    const std::vector<size_t> ahead = CharsFrom(text_, firstShown_, kShownChars);
    const auto overflows = [&](size_t to) { return TextWidth(pf, firstShown_, to) > inner.w; };
    size_t shownEnd = ahead.back();
    if (overflows(shownEnd)) shownEnd = ahead[FirstFitting(ahead, overflows)];
    const std::string shown = text_.substr(firstShown_, shownEnd - firstShown_);
    int tw = 0, th = 0;
    pf.TextSize(font_, shown, tw, th);

    const bool selected = focused && allSelected_ && !text_.empty();
    if (selected)
        pf.FillRect(inner.x, inner.y + 2, std::min(tw, inner.w), inner.h - 4, {51, 153, 255});
    if (!shown.empty()) {
        const Rgb colour = selected ? Rgb{255, 255, 255} : textColour_;
        pf.DrawText(font_, colour, inner.x, inner.y + (inner.h - th) / 2, shown, inner.x, inner.y,
                    inner.w, inner.h);
    }
    if (focused && !readOnly_) {
        const bool light = fieldColour_.r + fieldColour_.g + fieldColour_.b > 384;
        const int cx =
            inner.x + std::min(TextWidth(pf, firstShown_, caret_), inner.w - kCaretWidth);
        pf.FillRect(cx, inner.y + 3, kCaretWidth, inner.h - 6,
                    light ? Rgb{0, 0, 0} : Rgb{255, 255, 255});
    }
}

void Edit::SelectAll(bool all) {
    allSelected_ = all;
    if (all) caret_ = text_.size();
    Repaint();
}

void Edit::MoveCaret(size_t to) {
    allSelected_ = false;
    caret_ = to;
    Repaint();
}

void Edit::Replace(size_t from, size_t to, std::string_view with) {
    allSelected_ = false;
    if (from < firstShown_) firstShown_ = 0;  // it may no longer start a character
    // In place: typing at the end costs what is typed, not a copy of the whole text.
    const bool same = text_.compare(from, to - from, with) == 0;
    if (!same) text_.replace(from, to - from, with);
    caret_ = from + with.size();
    Repaint();
    if (!same && onChange) onChange();
}

void Edit::TypeText(const std::string& typed) {
    if (readOnly_ || !enabled_) return;
    const size_t from = allSelected_ ? 0 : caret_;
    const size_t to = allSelected_ ? text_.size() : caret_;
    const size_t kept = text_.size() - (to - from);
    const size_t room = maxLength_ == 0 ? typed.size() : maxLength_ - std::min(maxLength_, kept);
    Replace(from, to, std::string_view(typed).substr(0, CutAtChar(typed, room)));
}

void Edit::EditKey(int key) {
    if (readOnly_ || !enabled_) return;
    const size_t end = text_.size();
    switch (key) {
        case vk::Back:
            if (allSelected_)
                Replace(0, end, "");
            else if (caret_ > 0)
                Replace(PrevChar(text_, caret_), caret_, "");
            break;
        case vk::Del:
            if (allSelected_)
                Replace(0, end, "");
            else if (caret_ < end)
                Replace(caret_, NextChar(text_, caret_), "");
            break;
        case vk::Left:
            MoveCaret(allSelected_ || caret_ == 0 ? 0 : PrevChar(text_, caret_));
            break;
        case vk::Right:
            MoveCaret(allSelected_ || caret_ == end ? end : NextChar(text_, caret_));
            break;
        case vk::Home:
            MoveCaret(0);
            break;
        case vk::End:
            MoveCaret(end);
            break;
        default:
            break;
    }
}

}  // namespace murk
