// THScoreForm: the high-score window, holder of the table (HScoresGrid) while the program runs.
#pragma once

#include <array>
#include <vector>

#include "base/stringgrid.h"
#include "scores/defaulttable.h"
#include "scores/table.h"
#include "ui/form.h"

namespace murk {

struct Desk;

class THScoreForm : public Form {
public:
    // `back` is the window that Return, Enter and Escape show again.
    THScoreForm(Desk& desk, Form& back);

    StringGrid HScoresGrid;  // the only copy of the table in memory
    Panel* ScoresBox = nullptr;
    std::array<Label*, kShownPlaces> RankLbl{}, NameLbl{}, ScoreLbl{}, LevelsLbl{};
    Image* ReturnImage = nullptr;

    // Copies rows 1..15 of the table into the fifteen lines.
    void ShowTable();
    // Shows the main window again and hides this one.
    void ReturnToMainMenu();

protected:
    bool FormKeyUp(int key) override;

private:
    Desk& desk_;
    Form& back_;
};

// The menu's Scores command (F11): load, show the table if it loaded, open the window over
// `menu`.
void OpenHighScores(Desk& desk, THScoreForm& scores, Form& menu);

// The end of every game, after the return to the menu: opens the window over `menu` with its
// panel hidden, enters the players' results (with name entry) when the table loads, shows it,
// then the panel. Called by GameOverTimerTimer.
void ScoresAfterGame(Desk& desk, THScoreForm& scores, Form& menu,
                     const std::vector<ShownResult>& results, const NameAsker& askName);

}  // namespace murk
