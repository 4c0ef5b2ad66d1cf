// The main window's layout and its key, paint and close handlers.
#include "shell/mainform.h"

#include "ui/capture.h"
#include "ui/pictures.h"
#include "ui/style.h"

namespace murk {

namespace {

constexpr Rect kMenuRect{167, 134, 690, 500};

Label* AddKeyName(Panel& menu, Rect r, const char* text) {
    return menu.Add<Label>(r, text, style::kKeyFont, style::kBlue);
}

}  // namespace

TMainForm::TMainForm(Desk& desk, const MenuState& menu)
    : Form(desk.pf, {0, 0, kCanvasWidth, kCanvasHeight}, style::kMainBackground), desk_(desk) {
    LevelTitleLbl = Root().Add<Label>({0, 0, kCanvasWidth, 30}, "", style::kTitleFont, style::kBlue,
                                      Align::Center);
    LevelTitleLbl->SetVisible(false);
    BuildPanels();
    BuildMenu(menu);
}

void TMainForm::BuildMenu(const MenuState& menu) {
    MenuBox = Root().Add<Panel>(kMenuRect, style::kBlack);
    Panel& m = *MenuBox;
    LogoImage = m.Add<Image>({15, 10, 660, 130}, LoadPicture(Pf(), "logo"));
    m.Add<Label>(Rect{0, 142, 690, 20}, "Version 1.0", style::kSmallFont, style::kSoftWhite,
                 Align::Center);

    auto button = [&](Image*& image, Rect r, const char* caption) {
        image = m.Add<Image>(r);
        image->SetCaption(caption, style::kCaptionFont, style::kRed);
    };
    const int row1 = 178, row2 = 246, row3 = 314;
    button(RandomImage, {12, row1, kWideButtonW, kButtonH}, "Random Level");
    AddKeyName(m, {236, row1, 46, kButtonH}, "F1");
    button(OptionsImage, {286, row1, kNarrowButtonW, kButtonH}, "Options");
    AddKeyName(m, {440, row1, 46, kButtonH}, "F10");
    button(HelpImage, {490, row1, kNarrowButtonW, kButtonH}, "Help");
    AddKeyName(m, {644, row1, 44, kButtonH}, "F12");

    button(StartImage, {12, row2, kWideButtonW, kButtonH}, "Start Game");
    AddKeyName(m, {236, row2, 46, kButtonH}, "F2");
    button(ScoresImage, {286, row2, kNarrowButtonW, kButtonH}, "Scores");
    AddKeyName(m, {440, row2, 46, kButtonH}, "F11");
    button(QuitImage, {490, row2, kNarrowButtonW, kButtonH}, "Quit");
    AddKeyName(m, {644, row2, 44, kButtonH}, "ESC");

    button(LevelImage, {12, row3, kWideButtonW, kButtonH}, "Level");
    LevelDownImage = m.Add<Image>({238, row3 + 11, 30, 30}, LoadPicture(Pf(), "arrow_down"));
    LevelLbl = m.Add<Label>(Rect{270, row3, 44, kButtonH}, menu.level, style::kNumberFont,
                            style::kRed, Align::Center);
    LevelUpImage = m.Add<Image>({316, row3 + 11, 30, 30}, LoadPicture(Pf(), "arrow_up"));
    AddKeyName(m, {350, row3, 62, kButtonH}, "F5 / F6");
    button(PlayersImage, {416, row3, kWideButtonW, kButtonH}, "Players");
    NumPlayersLbl = m.Add<Label>(Rect{638, row3, 26, kButtonH}, menu.players, style::kNumberFont,
                                 style::kRed, Align::Center);
    AddKeyName(m, {666, row3, 24, kButtonH}, "F7");

    m.Add<Label>(Rect{0, 420, 690, 22},
                 "Murk is made by the Murk team: code, pictures, sounds and levels.",
                 style::kSmallFont, style::kGrey, Align::Center);
    m.Add<Label>(Rect{0, 444, 690, 22}, "Find your way through the murk, and mind the producers.",
                 style::kSmallFont, style::kGrey, Align::Center);
}

void TMainForm::AssignMenuPictures() {
    RandomImage->SetPicture(LoadPicture(Pf(), "button_wide"));
    OptionsImage->SetPicture(LoadPicture(Pf(), "button_narrow"));
    for (Image* wide : {StartImage, LevelImage, PlayersImage})
        wide->SetPicture(RandomImage->Picture());
    for (Image* narrow : {ScoresImage, QuitImage, HelpImage})
        narrow->SetPicture(OptionsImage->Picture());
}

void TMainForm::BuildPanels() {
    auto build = [&](PlayerPanel& p, int x, const char* name, Rgb colour) {
        p.box = Root().Add<Panel>({x, 641, 480, 110}, style::kMainBackground);
        p.box->SetVisible(false);
        Panel& b = *p.box;
        const Font f = style::kPanelFont;
        auto fixed = [&](Rect r, const char* text) { b.Add<Label>(r, text, f, colour); };
        auto value = [&](Rect r, const char* text, Align a = Align::Left) {
            return b.Add<Label>(r, text, f, colour, a);
        };
        fixed({0, 0, 110, 27}, name);
        p.life = value({110, 0, 60, 27}, "90", Align::Right);
        fixed({172, 0, 30, 27}, "%");
        p.points = value({250, 0, 212, 27}, "0", Align::Right);
        fixed({0, 27, 145, 27}, "Health Kits:");
        p.kits = value({156, 27, 90, 27}, "0");
        fixed({250, 27, 170, 27}, "Bombs:");
        p.bombs = value({434, 27, 44, 27}, "0");
        fixed({0, 54, 145, 27}, "Keys:");
        p.keys = value({156, 54, 90, 27}, "0");
        fixed({250, 54, 183, 27}, "Levels Passed:");
        p.levelsPassed = value({434, 54, 44, 27}, "0");
        p.status = value({0, 81, 480, 27}, "Status:");
    };
    build(P1Panel, 32, "Player 1:", style::kGreen);
    build(P2Panel, 512, "Player 2:", style::kTeal);
}

void TMainForm::ShowPanels(bool twoPlayers) {
    P1Panel.box->SetBounds({32, 641, 480, 110});
    P1Panel.box->SetVisible(true);
    P2Panel.box->SetBounds({512, 641, 480, 110});
    P2Panel.box->SetVisible(twoPlayers);
}

bool TMainForm::FormKeyDown(int key) {
    if (screen) screen->KeyDown(key);
    return true;
}

bool TMainForm::FormKeyUp(int key) {
    if (key == vk::PrintScreen) CaptureWindow(desk_, *this);
    if (screen) screen->KeyUp(key);
    return true;
}

bool TMainForm::FormMouseDown(int button, int x, int y) {
    return screen && screen->MouseDown(button, x, y);
}

bool TMainForm::FormMouseUp(int button, int x, int y) {
    return screen && screen->MouseUp(button, x, y);
}

void TMainForm::FormMouseMove(int x, int y) {
    if (screen) screen->MouseMove(x, y);
}

void TMainForm::FormPaint() {
    if (onPaint) onPaint();
}

}  // namespace murk
