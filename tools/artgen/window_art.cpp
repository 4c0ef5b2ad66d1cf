// Menu buttons and level arrows: light steel slabs that leave their middles plain for red captions.
#include "window_art.h"

#include "palette.h"
#include "texture.h"

namespace artgen {

namespace {

// Brushed steel, lighter at the top, with a bevel and rivets at the corners.
Canvas Slab(int w, int h) {
    Canvas c(w, h);
    Painter p(c, Place{{w / 2.0f, h / 2.0f}});
    const float hw = w / 2.0f, hh = h / 2.0f;
    const Sdf outer = Box({0, 0}, {hw - 1, hh - 1}, 6);
    const Sdf face = Box({0, 0}, {hw - 5, hh - 5}, 3);
    p.Fill(Grow(outer, 1), pal::Ink);
    p.Raised(outer, Hex(0x9aa0a8), 4, 0.7f);
    const Paint brushed = [&](Vec v) {
        const float t = v.y / static_cast<float>(h);
        const float streak = 0.04f * (Hash(0, static_cast<int>(v.y), 7) - 0.5f) +
                             0.03f * (TiledNoise(v.x, v.y * 8, 16, 64, 8) - 0.5f);
        return Scale(Mix(Hex(0xe4e6ea), Hex(0xb0b4bc), t), 1 + streak);
    };
    p.Fill(Grow(face, 1), Hex(0x6a6e76));
    p.Fill(face, brushed);
    for (int i = 0; i < 4; ++i) {
        const Vec at{(i % 2 ? 1 : -1) * (hw - 3), (i < 2 ? -1 : 1) * (hh - 3)};
        p.Fill(Circle(at, 1.7f), pal::Ink);
        p.Raised(Circle(at, 1.3f), pal::Steel, 1.2f, 0.8f);
    }
    return c;
}

Canvas Arrow(bool up) {
    Canvas c(30, 30);
    Painter p(c, Place{{15, 15}});
    const float s = up ? 1.0f : -1.0f;
    const Sdf arrow = Polygon(up ? std::vector<Vec>{{0, -11}, {12.5f, 8}, {-12.5f, 8}}
                                 : std::vector<Vec>{{-12.5f, -8}, {12.5f, -8}, {0, 11}});
    p.Glow(arrow, Hex(0x6080a0), 3, 0.4f);
    p.Fill(Grow(arrow, 1.5f), pal::Ink);
    p.Raised(arrow, Hex(0xd0d4dc), 3.5f, 0.7f);
    p.Fill(Polygon({{0, -4 * s}, {4, 3 * s}, {-4, 3 * s}}), Hex(0xa0a4ac));
    return c;
}

}  // namespace

std::vector<WindowPicture> DrawWindowPictures() {
    std::vector<WindowPicture> out;
    out.push_back({"logo", DrawLogo()});
    out.push_back({"button_wide", Slab(220, 52)});
    out.push_back({"button_narrow", Slab(150, 52)});
    out.push_back({"button_return", Slab(300, 52)});
    out.push_back({"arrow_up", Arrow(true)});
    out.push_back({"arrow_down", Arrow(false)});
    return out;
}

}  // namespace artgen
