// The high-score window: layout, the two ways it opens, and its keys.
#include "scores/hscoreform.h"

#include <string>

#include "ui/capture.h"
#include "ui/desk.h"
#include "ui/pictures.h"
#include "ui/style.h"

namespace murk {

namespace {

constexpr Rect kPanelRect{112, 20, 800, 728};
constexpr int kFirstLineY = 118, kLinePitch = 34, kLineHeight = 32;
constexpr Font kLineFont{FontFace::SansBold, 20};

// Each place keeps its own colour, from the first place down.
constexpr Rgb kLineColours[kShownPlaces] = {
    {255, 255, 255}, {0, 0, 128},   {0, 255, 255}, {128, 0, 0},     {128, 128, 128},
    {128, 0, 128},   {224, 0, 0},   {0, 128, 0},   {255, 255, 0},   {0, 0, 255},
    {255, 0, 0},     {255, 0, 255}, {128, 128, 0}, {192, 192, 192}, {0, 255, 0},
};

struct Column {
    const char* heading;
    int x, w;
    Align align;
};
constexpr Column kRank{"Rank", 30, 80, Align::Center};
constexpr Column kName{"Player Name", 140, 280, Align::Left};
constexpr Column kScore{"Player Score", 420, 170, Align::Right};
constexpr Column kLevels{"Levels Passed", 610, 180, Align::Center};

}  // namespace

THScoreForm::THScoreForm(Desk& desk, Form& back)
    : Form(desk.pf, {0, 0, kCanvasWidth, kCanvasHeight}, style::kBlack), desk_(desk), back_(back) {
    ScoresBox = Root().Add<Panel>(kPanelRect, style::kBlack);
    Panel& p = *ScoresBox;
    p.Add<Label>(Rect{0, 14, kPanelRect.w, 44}, "High Scores", style::kHeadingFont, style::kBlue,
                 Align::Center);
    for (const Column* c : {&kRank, &kName, &kScore, &kLevels})
        p.Add<Label>(Rect{c->x, 74, c->w, 30}, c->heading, style::kCaptionFont, style::kTeal,
                     c->align);
    p.Add<Panel>(Rect{20, 106, kPanelRect.w - 40, 2}, style::kFrame);
    auto cell = [&](const Column& c, int y, const std::string& text, Rgb colour) {
        return p.Add<Label>(Rect{c.x, y, c.w, kLineHeight}, text, kLineFont, colour, c.align);
    };
    for (int i = 0; i < kShownPlaces; ++i) {
        const int y = kFirstLineY + i * kLinePitch;
        const Rgb colour = kLineColours[i];
        const size_t k = static_cast<size_t>(i);
        RankLbl[k] = cell(kRank, y, std::to_string(i + 1), colour);
        NameLbl[k] = cell(kName, y, "---", colour);
        ScoreLbl[k] = cell(kScore, y, "999999999999", colour);
        LevelsLbl[k] = cell(kLevels, y, "1", colour);
    }

    const int returnX = (kPanelRect.w - kWideButtonW) / 2;
    ReturnImage = p.Add<Image>(Rect{returnX, 650, kWideButtonW, kButtonH});
    ReturnImage->SetPicture(LoadPicture(desk.pf, "button_wide"));
    ReturnImage->SetCaption("Return to Main Menu", style::kLongCaptionFont, style::kRed);
    ReturnImage->onClick = [this] { ReturnToMainMenu(); };
    p.Add<Label>(Rect{returnX + kWideButtonW + 6, 650, 60, kButtonH}, "ESC", style::kKeyFont,
                 style::kBlue);
}

void THScoreForm::ShowTable() {
    for (int i = 0; i < kShownPlaces; ++i) {
        const size_t k = static_cast<size_t>(i);
        const int row = i + 1;
        RankLbl[k]->SetText(HScoresGrid.Cell(kRankCol, row));
        NameLbl[k]->SetText(HScoresGrid.Cell(kNameCol, row));
        ScoreLbl[k]->SetText(HScoresGrid.Cell(kScoreCol, row));
        LevelsLbl[k]->SetText(HScoresGrid.Cell(kLevelsCol, row));
    }
}

void THScoreForm::ReturnToMainMenu() {
    ShowForm(desk_, back_);
    HideForm(desk_, *this);
}

bool THScoreForm::FormKeyUp(int key) {
    if (key == vk::PrintScreen) CaptureWindow(desk_, *this);
    if (key == vk::Escape || key == vk::Enter) {
        ReturnToMainMenu();
        return true;
    }
    return false;
}

void OpenHighScores(Desk& desk, THScoreForm& s, Form& menu) {
    if (LoadTable(desk, s.HScoresGrid) == 0) s.ShowTable();
    ShowForm(desk, s);
    HideForm(desk, menu);
}

void ScoresAfterGame(Desk& desk, THScoreForm& s, Form& menu,
                     const std::vector<ShownResult>& results, const NameAsker& askName) {
    s.ScoresBox->SetVisible(false);
    ShowForm(desk, s);
    HideForm(desk, menu);
    desk.pf.SetPointer(Pointer::Normal);
    if (LoadTable(desk, s.HScoresGrid) == 0) {
        InsertResults(desk, s.HScoresGrid, results, askName);
        s.ShowTable();
    }
    s.ScoresBox->SetVisible(true);
}

}  // namespace murk
