// The high-score table rules and HighScores.dat, with the game's messages for every failure.
#include "scores/table.h"

#include <limits>

#include "base/gridfile.h"
#include "scores/nameform.h"
#include "shell/app.h"
#include "shell/mainform.h"
#include "ui/style.h"

namespace murk {

namespace {

constexpr const char* kLoadError =
    "Error loading 'HighScores.dat'. Please make sure the file exists and has not been corrupted.";
constexpr const char* kVersionError = "Invalid file format. High scores not loaded.";
constexpr const char* kReadOnlyQuestion =
    "The 'High Scores' file read-only. Do you want to make this file write able?";
constexpr const char* kNotSaved = "High scores NOT saved.";
constexpr const char* kCannotMakeWritable =
    "Unable to make the 'High Scores' file write able. Please make sure it is not on a write "
    "protected disk.";
constexpr const char* kSaveError =
    "High scores were not saved. Please make sure the disk is not write protected.";

// Who can enter the table after a game, in the order they are asked.
struct Contender {
    PlayerPanel TMainForm::*panel;
    const char* defaultName;
    Rgb colour;
};
constexpr Contender kContenders[] = {
    {&TMainForm::P1Panel, "Player 1", style::kGreen},
    {&TMainForm::P2Panel, "Player 2", style::kTeal},
};

std::string TablePath(App& app) {
    return app.DirLbl + kHighScoresFile;
}

RowPump Pump(App& app) {
    return [&app] { ProcessMessages(app); };
}

// Row ranks as a number pair; a row that does not hold numbers ranks below every result.
bool Beats(const StringGrid& t, int row, long long score, long long levels) {
    const std::optional<long long> rowScore = ParseTableNumber(t.Cell(kScoreCol, row));
    if (!rowScore || *rowScore < score) return true;
    if (*rowScore > score) return false;
    const std::optional<long long> rowLevels = ParseTableNumber(t.Cell(kLevelsCol, row));
    return !rowLevels || *rowLevels < levels;
}

}  // namespace

std::optional<long long> ParseTableNumber(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 9;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9' || value > kLimit) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

int FindPlace(const StringGrid& table, long long score, long long levels) {
    for (int row = 1; row < table.RowCount(); ++row)
        if (Beats(table, row, score, levels)) return row;
    return -1;
}

void InsertEntry(StringGrid& table, int row, const std::string& name, long long score,
                 const std::string& levelsText) {
    if (row < 1 || row >= table.RowCount()) return;
    for (int r = table.RowCount() - 1; r > row; --r)
        for (int c = kNameCol; c < table.ColCount(); ++c) table.SetCell(c, r, table.Cell(c, r - 1));
    table.SetCell(kNameCol, row, name);
    table.SetCell(kScoreCol, row, std::to_string(score));
    table.SetCell(kLevelsCol, row, levelsText);
}

int LoadTable(App& app, StringGrid& table) {
    for (int r = 1; r < table.RowCount(); ++r)
        for (int c = 0; c < table.ColCount(); ++c) table.SetCell(c, r, "");
    table.SetRowCount(2);
    GridHeader ignored{};
    switch (ReadGridFile(TablePath(app), table, ignored, Pump(app))) {
        case GridReadResult::Read: return 0;
        case GridReadResult::WrongVersion: ShowError(app, kVersionError); return 1;
        case GridReadResult::CannotOpen:
        case GridReadResult::Damaged: ShowError(app, kLoadError); return 1;
    }
    return 1;
}

void SaveTable(App& app, StringGrid& table) {
    const std::string path = TablePath(app);
    if (app.pf.FileExists(path) && app.pf.IsReadOnly(path)) {
        if (!Confirm(app, kReadOnlyQuestion)) {
            app.pf.MessageBox(BoxKind::Plain, kNotSaved);
            return;
        }
        if (!app.pf.MakeWritable(path)) {
            ShowError(app, kCannotMakeWritable);
            return;
        }
    }
    StringGrid saved = table;
    saved.SetCell(0, 1, kSaveMark);
    if (!WriteGridFile(path, saved, HighScoreHeader(), Pump(app))) {
        ShowError(app, kSaveError);
        return;
    }
    table.SetCell(0, 1, kSaveMark);
}

void InsertResults(App& app, StringGrid& table) {
    TMainForm& m = *app.mainForm;
    const int players = m.NumPlayersLbl->Text() == "2" ? 2 : 1;
    // A program closed while a name is asked still keeps every result: the name as typed, and
    // for a player not yet asked the default name.
    for (int i = 0; i < players; ++i) {
        const Contender& who = kContenders[i];
        const PlayerPanel& panel = m.*who.panel;
        const std::optional<long long> score = ParseTableNumber(panel.points->Text());
        const std::optional<long long> levels = ParseTableNumber(panel.levelsPassed->Text());
        if (!score || !levels) continue;  // the panels only ever show numbers
        const int row = FindPlace(table, *score, *levels);
        if (row < 0) continue;
        const std::string name = app.nameForm->AskName(who.defaultName, who.colour);
        InsertEntry(table, row, name, *score, panel.levelsPassed->Text());
    }
    SaveTable(app, table);
}

}  // namespace murk
