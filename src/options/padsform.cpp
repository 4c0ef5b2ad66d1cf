// The pad window: its layout, the players' choice by click, Enter or the pad itself, and saving.
#include "options/padsform.h"

#include "options/padsfile.h"
#include "ui/capture.h"
#include "ui/desk.h"
#include "ui/pictures.h"
#include "ui/style.h"

namespace murk {

namespace {

constexpr int kWidth = 560, kHeight = 404;
constexpr Rect kArea{(kCanvasWidth - kWidth) / 2, (kCanvasHeight - kHeight) / 2, kWidth, kHeight};
constexpr Font kRowFont{FontFace::SansBold, 18};
constexpr int kFirstRow = 94, kRowStep = 42;

std::string PlayerText(int player) {
    return "Player " + std::to_string(player);
}

Rgb PlayerColour(int player) {
    return player == 1 ? style::kGreen : style::kTeal;
}

}  // namespace

TPadsForm::TPadsForm(Desk& desk, PadBoard& board)
    : Form(desk.pf, kArea, style::kBlack), desk_(desk), board_(board) {
    Panel& p = Root();
    p.Add<Label>(Rect{0, 12, kWidth, 40}, "Game Pads", style::kHeadingFont, style::kRed,
                 Align::Center);
    p.Add<Label>(Rect{0, 56, kWidth, 20},
                 "Press left or right on a pad to give it to player 1 or player 2.",
                 style::kSmallFont, style::kSoftWhite, Align::Center);
    for (size_t i = 0; i < kRows; ++i) {
        const int y = kFirstRow + static_cast<int>(i) * kRowStep;
        PadNameLbl[i] = p.Add<Label>(Rect{28, y, 330, 34}, "", kRowFont, style::kSoftWhite);
        Edit* e = p.Add<Edit>(Rect{380, y, 150, 34}, "", kRowFont);
        e->SetReadOnly(true);
        e->onClick = [this, i] { TogglePlayer(i); };
        e->onKeyUp = [this, i](int key) {
            if (key == vk::Enter) TogglePlayer(i);
        };
        PadPlayerEdit[i] = e;
    }
    MorePadsLbl = p.Add<Label>(Rect{28, kFirstRow + 4 * kRowStep - 6, 500, 20}, "",
                               style::kSmallFont, style::kGrey);
    p.Add<Label>(Rect{28, 282, 340, 34}, "Pause when the window is left:", kRowFont,
                 style::kSoftWhite);
    PauseEdit = p.Add<Edit>(Rect{380, 282, 150, 34}, "", kRowFont);
    PauseEdit->SetReadOnly(true);
    PauseEdit->onClick = [this] { TogglePause(); };
    PauseEdit->onKeyUp = [this](int key) {
        if (key == vk::Enter) TogglePause();
    };
    ReturnImage = p.Add<Image>(Rect{(kWidth - 300) / 2, 336, 300, 52});
    ReturnImage->SetPicture(LoadPicture(desk.pf, "button_return"));
    ReturnImage->SetCaption("Back to Options", style::kCaptionFont, style::kRed);
    ReturnImage->onClick = [this] { Leave(); };
}

void TPadsForm::ShowPads() {
    const auto& pads = board_.connected;
    for (size_t i = 0; i < kRows; ++i) {
        const bool shown = i < pads.size();
        PadNameLbl[i]->SetText(shown                    ? pads[i].name
                               : i == 0 && pads.empty() ? "No game pad is connected."
                                                        : "");
        PadNameLbl[i]->SetColour(shown ? style::kSoftWhite : style::kGrey);
        PadPlayerEdit[i]->SetVisible(shown);
        if (!shown) continue;
        PadPlayerEdit[i]->SetTextColour(PlayerColour(pads[i].player));
        PadPlayerEdit[i]->SetText(PlayerText(pads[i].player));
    }
    MorePadsLbl->SetText(pads.size() > kRows
                             ? "and " + std::to_string(pads.size() - kRows) + " more connected"
                             : "");
    PauseEdit->SetText(board_.settings.pauseWhenLeft ? "On" : "Off");
}

void TPadsForm::Open() {
    opened_ = board_.settings;
    SetFocus(nullptr);
    ShowPads();
    ShowForm(desk_, *this);
}

void TPadsForm::Leave() {
    if (saves && !(board_.settings == opened_)) SavePads(desk_, board_.settings);
    opened_ = board_.settings;
    HideForm(desk_, *this);
}

void TPadsForm::TogglePlayer(size_t row) {
    if (row >= board_.connected.size()) return;
    ConnectedPad& p = board_.connected[row];
    ChoosePlayer(board_, p, p.player == 1 ? 2 : 1);
    ShowPads();
}

void TPadsForm::TogglePause() {
    board_.settings.pauseWhenLeft = !board_.settings.pauseWhenLeft;
    ShowPads();
}

bool TPadsForm::PadPressed(ConnectedPad& p, PadControl c) {
    if (c != PadControl::Left && c != PadControl::Right) return false;
    ChoosePlayer(board_, p, c == PadControl::Left ? 1 : 2);
    ShowPads();
    return true;
}

bool TPadsForm::FormKeyUp(int key) {
    if (key == vk::PrintScreen) CaptureWindow(desk_, *this);
    if (key == vk::Escape || key == vk::F9) {
        Leave();
        return true;
    }
    return false;
}

void TPadsForm::FormPaint() {
    DrawFrame(Pf(), Area(), 2, style::kFrame);
}

}  // namespace murk
