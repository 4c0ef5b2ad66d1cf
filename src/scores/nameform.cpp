// The name-entry dialog: layout, its own modal loop, and the keys that close it.
#include "scores/nameform.h"

#include "scores/table.h"
#include "ui/capture.h"
#include "ui/desk.h"
#include "ui/pictures.h"
#include "ui/style.h"

namespace murk {

namespace {

constexpr int kWidth = 482, kHeight = 413;
constexpr Rect kArea{(kCanvasWidth - kWidth) / 2, (kCanvasHeight - kHeight) / 2, kWidth, kHeight};
constexpr Font kNameFont{FontFace::SansBold, 22};
// The heading is one line: at 18 pixels it spans about 420 of the dialog's 482.
constexpr Font kHeadingFont{FontFace::SansBold, 18};
constexpr int kFrameWidth = 2;

}  // namespace

TNameForm::TNameForm(Desk& desk) : Form(desk.pf, kArea, style::kBlack), desk_(desk) {
    Panel& p = Root();
    p.Add<Label>(Rect{0, 36, kWidth, 44}, "Congratulations!!! You have a high score.", kHeadingFont,
                 style::kBlue, Align::Center);
    p.Add<Label>(Rect{50, 160, 300, 30}, "Player Name:", style::kCaptionFont, style::kDarkRed);
    NameEdit = p.Add<Edit>(Rect{50, 196, 382, 44}, "Player 1", kNameFont);
    NameEdit->SetFieldColour({0, 0, 0});
    NameEdit->SetMaxLength(kMaxNameBytes);  // what the table file holds and reads back
    // Enter closes the dialog on its key-up; the edit must neither take nor beep at it.
    NameEdit->onKeyDown = [](int key) { return key == vk::Enter; };
    p.Add<Label>(Rect{50, 246, 382, 20}, "Type your name, then press Enter.", style::kSmallFont,
                 style::kGrey);

    OkImage = p.Add<Image>(Rect{(kWidth - 150) / 2, 304, 150, 52});
    OkImage->SetPicture(LoadPicture(desk.pf, "button_narrow"));
    OkImage->SetCaption("OK", style::kCaptionFont, style::kDarkRed);
    OkImage->onClick = [this] { CloseDialog(); };
}

std::string TNameForm::AskName(const std::string& defaultText, Rgb colour) {
    NameEdit->SetTextColour(colour);
    NameEdit->SetText(defaultText);
    // Focusing afresh selects the whole text, so the first key typed replaces the default.
    SetFocus(nullptr);
    SetFocus(NameEdit);
    if (desk_.terminated) return defaultText;
    RunModal();
    return NameEdit->Text();
}

void TNameForm::RunModal() {
    closed_ = false;
    ShowForm(desk_, *this);
    desk_.pf.TextPromptShown();
    while (!closed_ && !desk_.terminated) {
        ProcessMessages(desk_);
        if (!closed_ && !desk_.terminated) WaitForMessages(desk_, "the name dialog is open");
    }
    closed_ = true;
    HideForm(desk_, *this);
}

bool TNameForm::FormKeyUp(int key) {
    if (key == vk::PrintScreen) CaptureWindow(desk_, *this);
    if (key == vk::Enter || key == vk::Escape) {
        CloseDialog();
        return true;
    }
    return false;
}

void TNameForm::FormPaint() {
    // A thin frame keeps the borderless dialog apart from the black window behind it.
    DrawFrame(Pf(), Area(), kFrameWidth, style::kFrame);
}

}  // namespace murk
