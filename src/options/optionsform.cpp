// The options window: layout, key capture, the sound switch and the game-speed edit rules.
#include "options/optionsform.h"

#include <algorithm>

#include "options/keynames.h"
#include "ui/capture.h"
#include "ui/desk.h"
#include "ui/pictures.h"
#include "ui/style.h"

namespace murk {

namespace {

constexpr Rect kPanelRect{132, 84, 760, 600};
constexpr Font kEditFont{FontFace::SansBold, 18};
constexpr Font kHeadingFont{FontFace::SansBold, 30};
const char* const kKeyRows[6] = {"Up:", "Down:", "Left:", "Right:", "Fire:", "Menu:"};
const char* const kKeyFunctions[6] = {"Up", "Down", "Left", "Right", "Fire", "Menu"};
constexpr Font kKeyTestFont{FontFace::SansBold, 16};
constexpr const char* kKeyTestPrompt =
    "Hold the players' keys to see that the keyboard takes them together.";

}  // namespace

std::string KeyTestLine(const std::vector<int>& held, const OptionValues& options) {
    std::string line;
    for (size_t player = 0; player < 2; ++player) {
        std::string keys;
        for (int key : held)
            for (size_t i = 0; i < 6; ++i)
                if (options.keys[player * 6 + i].code == key)
                    keys += (keys.empty() ? "" : ", ") + std::string(kKeyFunctions[i]);
        if (keys.empty()) continue;
        line +=
            (line.empty() ? "Player " : "   Player ") + std::to_string(player + 1) + ": " + keys;
    }
    return line;
}

TOptionsForm::TOptionsForm(Desk& desk, OptionValues& options, Form& back)
    : Form(desk.pf, {0, 0, kCanvasWidth, kCanvasHeight}, style::kMainBackground),
      desk_(desk),
      options_(options),
      back_(back) {
    Panel& p = *Root().Add<Panel>(kPanelRect, style::kBlack);
    p.Add<Label>(Rect{0, 14, 760, 40}, "Options", kHeadingFont, style::kRed, Align::Center);
    p.Add<Label>(Rect{0, 58, 760, 20}, "Click a box, then press the key you want for it.",
                 style::kSmallFont, style::kSoftWhite, Align::Center);

    auto keyColumn = [&](int x, const char* heading, Rgb colour, std::array<Edit**, 6> edits,
                         size_t first) {
        p.Add<Label>(Rect{x, 96, 300, 30}, heading, style::kCaptionFont, colour);
        for (int i = 0; i < 6; ++i) {
            const int y = 134 + i * 44;
            p.Add<Label>(Rect{x, y, 90, 34}, kKeyRows[i], style::kPanelFont, colour);
            const size_t index = first + static_cast<size_t>(i);
            const KeyOption& key = options_.keys[index];
            Edit* e = p.Add<Edit>(Rect{x + 100, y, 180, 34}, key.name, kEditFont);
            e->SetTag(key.code);
            e->SetReadOnly(true);
            e->onKeyUp = [this, index](int released) { KeyCapture(released, index); };
            *edits[static_cast<size_t>(i)] = e;
        }
    };
    keyColumn(70, "Player 1", style::kGreen,
              {&P1UpEdit, &P1DownEdit, &P1LeftEdit, &P1RightEdit, &P1FireEdit, &P1MenuEdit}, 0);
    keyColumn(420, "Player 2", style::kTeal,
              {&P2UpEdit, &P2DownEdit, &P2LeftEdit, &P2RightEdit, &P2FireEdit, &P2MenuEdit}, 6);

    p.Add<Label>(Rect{70, 414, 240, 34}, "Slow down game by", style::kPanelFont, style::kSoftWhite);
    GameSpeedEdit = p.Add<Edit>(Rect{310, 414, 90, 34}, options_.speed, kEditFont);
    p.Add<Label>(Rect{412, 414, 200, 34}, "milliseconds.", style::kPanelFont, style::kSoftWhite);
    GameSpeedEdit->onChange = [this] {
        const std::string kept = EditedSpeed(GameSpeedEdit->Text(), options_.speed);
        if (kept != GameSpeedEdit->Text()) GameSpeedEdit->SetText(kept);
        options_.speed = GameSpeedEdit->Text();
    };
    GameSpeedEdit->onExit = [this] { CheckSpeedOnExit(); };
    GameSpeedEdit->onKeyDown = [](int key) { return key == vk::Enter; };

    p.Add<Label>(Rect{70, 462, 200, 34}, "Sound:", style::kPanelFont, style::kSoftWhite);
    SoundEdit = p.Add<Edit>(Rect{310, 462, 90, 34}, options_.sound, kEditFont);
    p.Add<Label>(Rect{412, 462, 300, 34}, "(click to switch)", style::kSmallFont, style::kGrey);
    SoundEdit->SetReadOnly(true);
    SoundEdit->onChange = [this] { options_.sound = SoundEdit->Text(); };
    SoundEdit->onClick = [this] { ToggleSound(); };
    SoundEdit->onKeyUp = [this](int key) {
        if (key == vk::Enter) ToggleSound();
    };

    ReturnImage = p.Add<Image>(Rect{230, 526, 300, 52});
    ReturnImage->SetPicture(LoadPicture(desk.pf, "button_return"));
    ReturnImage->SetCaption("Return to Main Menu", style::kCaptionFont, style::kRed);
    ReturnImage->onClick = [this] { LeaveOptions(); };

    // Beside the window's own fields: the key test line in the gap above the return button, and
    // the pad window's button to its right.
    KeyTestLbl = p.Add<Label>(Rect{0, 498, 760, 26}, kKeyTestPrompt, kKeyTestFont, style::kGrey,
                              Align::Center);
    PadsImage = p.Add<Image>(Rect{560, 526, kNarrowButtonW, kButtonH});
    PadsImage->SetPicture(LoadPicture(desk.pf, "button_narrow"));
    PadsImage->SetCaption("Game Pads", style::kCaptionFont, style::kRed);
    PadsImage->onClick = [this] { OpenPads(); };
    p.Add<Label>(Rect{714, 526, 40, kButtonH}, "F9", style::kKeyFont, style::kBlue);
}

void TOptionsForm::ShowKeyTest() {
    const std::string line = KeyTestLine(held_, options_);
    KeyTestLbl->SetColour(line.empty() ? style::kGrey : style::kSoftWhite);
    KeyTestLbl->SetText(line.empty() ? kKeyTestPrompt : line);
}

void TOptionsForm::OpenPads() {
    held_.clear();
    ShowKeyTest();
    if (onOpenPads) onOpenPads();
}

std::array<Edit*, 12> TOptionsForm::KeyEdits() const {
    return {P1UpEdit, P1DownEdit, P1LeftEdit, P1RightEdit, P1FireEdit, P1MenuEdit,
            P2UpEdit, P2DownEdit, P2LeftEdit, P2RightEdit, P2FireEdit, P2MenuEdit};
}

void TOptionsForm::ShowOptions() {
    const OptionValues v = options_;  // the speed edit writes back as it changes
    GameSpeedEdit->SetText(v.speed);
    const auto edits = KeyEdits();
    for (size_t i = 0; i < edits.size(); ++i) {
        edits[i]->SetTag(v.keys[i].code);
        edits[i]->SetText(v.keys[i].name);
    }
    SoundEdit->SetText(v.sound);
}

void TOptionsForm::KeyCapture(int key, size_t index) {
    if (auto name = KeyName(key)) {
        Edit& edit = *KeyEdits()[index];
        edit.SetTag(key);
        edit.SetText(*name);
        options_.keys[index] = {*name, key};
    }
}

void TOptionsForm::LockSoundOff() {
    SoundEdit->SetText("Off");
    SoundEdit->SetTextColour({128, 128, 128});
    SoundEdit->SetEnabled(false);
}

void TOptionsForm::ToggleSound() {
    if (!SoundEdit->Enabled()) return;
    SoundEdit->SetText(SoundEdit->Text() == "On" ? "Off" : "On");
}

void TOptionsForm::CheckSpeedOnExit() {
    SettleSpeed(options_);
    GameSpeedEdit->SetText(options_.speed);
}

void TOptionsForm::LeaveOptions() {
    CheckSpeedOnExit();
    held_.clear();
    ShowKeyTest();
    ShowForm(desk_, back_);
    HideForm(desk_, *this);
}

bool TOptionsForm::FormKeyDown(int key) {
    if (std::find(held_.begin(), held_.end(), key) == held_.end()) {
        held_.push_back(key);
        ShowKeyTest();
    }
    return false;
}

bool TOptionsForm::FormKeyUp(int key) {
    if (std::erase(held_, key) > 0) ShowKeyTest();
    if (key == vk::PrintScreen) CaptureWindow(desk_, *this);
    if (key == vk::Escape) {
        LeaveOptions();
        return true;
    }
    if (key == vk::F9) {
        OpenPads();
        return true;
    }
    return false;
}

}  // namespace murk
