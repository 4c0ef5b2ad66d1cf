// The help window: the pages' layout, paging, and the keys of the window.
#include "help/helpform.h"

#include <algorithm>
#include <map>

#include "ui/capture.h"
#include "ui/desk.h"
#include "ui/pictures.h"
#include "ui/style.h"

namespace murk {

namespace {

constexpr Rect kPageRect{92, 16, 840, 736};
constexpr int kFirstLineY = 62, kLinePitch = 44, kTileX = 40, kTextX = 88, kTextW = 712;
constexpr int kButtonY = 664;
constexpr Font kLineFont{FontFace::SansBold, 17};
constexpr Font kWrappedFont{FontFace::SansBold, 13};
constexpr Font kAboutFont{FontFace::SansBold, 17};
constexpr int kNKey = 78;

int TextWidth(Platform& pf, const Font& font, const std::string& text) {
    int w = 0, h = 0;
    pf.TextSize(font, text, w, h);
    return w;
}

}  // namespace

std::pair<std::string, std::string> SplitInTwo(Platform& pf, const Font& font,
                                               const std::string& text, int width) {
    size_t cut = text.find(' ');  // the first word stays on the first line, however wide
    if (cut == std::string::npos) return {text, ""};
    // Each following word joins the first line while it fits there, the last one too.
    for (size_t end = cut; end < text.size();) {
        end = std::min(text.find(' ', end + 1), text.size());
        if (TextWidth(pf, font, text.substr(0, end)) > width) break;
        cut = end;
    }
    if (cut == text.size()) return {text, ""};
    return {text.substr(0, cut), text.substr(cut + 1)};
}

THelpForm::THelpForm(Desk& desk, Form& back)
    : Form(desk.pf, {0, 0, kCanvasWidth, kCanvasHeight}, style::kBlack), desk_(desk), back_(back) {
    for (int page = 1; page <= kHelpPages; ++page) BuildPage(page);
}

void THelpForm::BuildPage(int page) {
    const size_t k = static_cast<size_t>(page - 1);
    Panel& p = *Root().Add<Panel>(kPageRect, style::kBlack);
    MenuBox[k] = &p;
    p.SetVisible(page == 1);
    p.Add<Label>(Rect{0, 8, kPageRect.w, 44}, "HELP / ABOUT", style::kHeadingFont, style::kBlue,
                 Align::Center);
    if (page == 1)
        BuildAbout(p);
    else
        BuildTileLines(p, page);

    ReturnImage[k] = p.Add<Image>(Rect{40, kButtonY, kWideButtonW, kButtonH});
    pictures_.emplace_back(ReturnImage[k], "button_wide");
    ReturnImage[k]->SetCaption("Return to Main Menu", style::kLongCaptionFont, style::kDarkRed);
    ReturnImage[k]->onClick = [this] { ReturnToMainMenu(); };
    p.Add<Label>(Rect{40 + kWideButtonW + 6, kButtonY, 50, kButtonH}, "ESC", style::kKeyFont,
                 style::kBlue);

    const int nextX = kPageRect.w - 40 - kNarrowButtonW;
    p.Add<Label>(Rect{nextX - 190, kButtonY, 180, kButtonH},
                 "Page " + std::to_string(page) + " of " + std::to_string(kHelpPages),
                 style::kSmallFont, style::kGrey, Align::Right);
    NextImage[k] = p.Add<Image>(Rect{nextX, kButtonY, kNarrowButtonW, kButtonH});
    pictures_.emplace_back(NextImage[k], "button_narrow");
    NextImage[k]->SetCaption("Next", style::kCaptionFont, style::kDarkRed);
    NextImage[k]->onClick = [this] { NextPage(); };
    p.Add<Label>(Rect{kPageRect.w - 36, kButtonY, 30, kButtonH}, "N", style::kKeyFont,
                 style::kBlue);
}

void THelpForm::BuildAbout(Panel& p) {
    pictures_.emplace_back(p.Add<Image>(Rect{(kPageRect.w - 660) / 2, 66, 660, 130}), "logo");
    p.Add<Label>(Rect{0, 200, kPageRect.w, 20}, "Version 1.0", style::kSmallFont, style::kSoftWhite,
                 Align::Center);
    int y = 252;
    for (const char* line : AboutLines()) {
        p.Add<Label>(Rect{0, y, kPageRect.w, 30}, line, kAboutFont, style::kSoftWhite,
                     Align::Center);
        y += 34;
    }
    y += 30;
    p.Add<Label>(Rect{0, y, kPageRect.w, 32}, "Credits", style::kCaptionFont, style::kTeal,
                 Align::Center);
    y += 40;
    for (const char* line : CreditLines()) {
        p.Add<Label>(Rect{0, y, kPageRect.w, 28}, line, kAboutFont, style::kRed, Align::Center);
        y += 32;
    }
}

void THelpForm::BuildTileLines(Panel& p, int page) {
    int y = kFirstLineY;
    bool red = true;
    for (const HelpLine& line : HelpTileLines(page)) {
        Image* tile = p.Add<Image>(Rect{kTileX, y + (kLinePitch - 32) / 2, 32, 32});
        tiles_.emplace_back(tile, line.code);
        const Rgb colour = red ? style::kRed : style::kTeal;
        if (TextWidth(Pf(), kLineFont, line.text) <= kTextW) {
            p.Add<Label>(Rect{kTextX, y, kTextW, kLinePitch}, line.text, kLineFont, colour);
        } else {
            const auto [first, second] = SplitInTwo(Pf(), kWrappedFont, line.text, kTextW);
            if (second.empty()) {  // the smaller type was enough
                p.Add<Label>(Rect{kTextX, y, kTextW, kLinePitch}, first, kWrappedFont, colour);
            } else {
                p.Add<Label>(Rect{kTextX, y + 4, kTextW, 18}, first, kWrappedFont, colour);
                p.Add<Label>(Rect{kTextX, y + 22, kTextW, 18}, second, kWrappedFont, colour);
            }
        }
        red = !red;
        y += kLinePitch;
    }
}

void THelpForm::CopyTilePictures(const std::function<ImageId(std::string_view code)>& tilePicture) {
    for (auto& [image, code] : tiles_) image->SetPicture(tilePicture(code));
    // The window's own pictures, each loaded once, the first time it opens: a game played
    // without help never holds them.
    if (picturesLoaded_) return;
    picturesLoaded_ = true;
    std::map<std::string_view, ImageId> loaded;
    for (auto& [image, name] : pictures_) {
        auto it = loaded.find(name);
        if (it == loaded.end()) it = loaded.emplace(name, LoadPicture(Pf(), name)).first;
        image->SetPicture(it->second);
    }
}

int THelpForm::VisiblePage() const {
    for (int i = 0; i < kHelpPages; ++i)
        if (MenuBox[static_cast<size_t>(i)]->Visible()) return i + 1;
    return 1;
}

void THelpForm::NextPage() {
    const int page = VisiblePage();
    MenuBox[static_cast<size_t>(page - 1)]->SetVisible(false);
    MenuBox[static_cast<size_t>(page % kHelpPages)]->SetVisible(true);
}

void THelpForm::ReturnToMainMenu() {
    ShowForm(desk_, back_);
    HideForm(desk_, *this);
}

int THelpForm::PadKey(PadControl c, int) const {
    if (c == PadControl::Fire || c == PadControl::Right) return kNKey;
    if (c == PadControl::Start) return vk::Escape;
    return WindowPadKey(c);
}

bool THelpForm::FormKeyUp(int key) {
    if (key == vk::PrintScreen) CaptureWindow(desk_, *this);
    if (key == vk::Escape) ReturnToMainMenu();
    if (key == kNKey) NextPage();
    return true;  // no control of this window takes keys
}

}  // namespace murk
