// Form: painting, key preview, focus and mouse routing.
#include "ui/form.h"

#include <algorithm>
#include <vector>

namespace murk {

Form::Form(Platform& pf, Rect area, Rgb background)
    : pf_(pf), root_(std::make_unique<Panel>(background)) {
    root_->form_ = this;
    root_->bounds_ = area;
}

void Form::PaintAll() {
    if (!shown_) return;
    root_->Paint(pf_);
    FormPaint();
}

int WindowPadKey(PadControl c) {
    switch (c) {
        case PadControl::Up:
            return vk::Up;
        case PadControl::Down:
            return vk::Down;
        case PadControl::Left:
            return vk::Left;
        case PadControl::Right:
            return vk::Right;
        case PadControl::Fire:
        case PadControl::Start:
            return vk::Enter;
        case PadControl::ItemMenu:
            return vk::Escape;
        case PadControl::Select:
            return 0;
    }
    return 0;
}

void Form::SetFocus(Widget* w) {
    if (w == focus_) return;
    Widget* old = focus_;
    focus_ = w;
    if (auto* e = dynamic_cast<Edit*>(old)) {
        e->SelectAll(false);
        if (e->onExit) e->onExit();
    }
    if (auto* e = dynamic_cast<Edit*>(w)) e->SelectAll(true);
}

namespace {

void CollectFocusable(Widget& w, std::vector<Widget*>& out) {
    if (!w.Visible()) return;
    if (w.CanFocus()) out.push_back(&w);
    if (auto* panel = dynamic_cast<Panel*>(&w))
        for (auto& child : panel->Children()) CollectFocusable(*child, out);
}

}  // namespace

void Form::FocusNext() {
    std::vector<Widget*> order;
    CollectFocusable(*root_, order);
    if (order.empty()) return;
    auto it = std::find(order.begin(), order.end(), focus_);
    SetFocus(it == order.end() || ++it == order.end() ? order.front() : *it);
}

void Form::KeyDown(int key, bool pressedElsewhere) {
    if (FormKeyDown(key)) return;
    if (key == vk::Tab) {
        FocusNext();
        return;
    }
    if (auto* e = dynamic_cast<Edit*>(focus_)) {
        if (e->onKeyDown && e->onKeyDown(key)) return;
        if (!pressedElsewhere) e->EditKey(key);
    }
}

void Form::KeyUp(int key) {
    if (FormKeyUp(key)) return;
    if (auto* e = dynamic_cast<Edit*>(focus_))
        if (e->onKeyUp) e->onKeyUp(key);
}

void Form::TextTyped(const std::string& text) {
    if (auto* e = dynamic_cast<Edit*>(focus_)) e->TypeText(text);
}

void Form::MouseDown(int button, int x, int y) {
    if (FormMouseDown(button, x, y)) return;
    Widget* hit = root_->HitTest(x, y);
    pressed_ = hit;
    if (!hit) return;
    if (button == 1 && hit->CanFocus()) SetFocus(hit);
    if (hit->onMouseDown) hit->onMouseDown(button);
}

void Form::MouseUp(int button, int x, int y) {
    // The widget that took the press gets the release wherever the pointer is by then (so a
    // held level arrow always hears it); a click needs the release over the same widget.
    if (FormMouseUp(button, x, y)) {
        pressed_ = nullptr;
        return;
    }
    Widget* hit = root_->HitTest(x, y);
    Widget* pressed = pressed_;
    pressed_ = nullptr;
    Widget* target = pressed ? pressed : hit;
    if (!target) return;
    if (target->onMouseUp) target->onMouseUp(button);
    if (button == 1 && hit == pressed && hit->onClick) hit->onClick();
}

void Form::MouseMove(int x, int y) {
    FormMouseMove(x, y);
}

}  // namespace murk
