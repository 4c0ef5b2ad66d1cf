// The high-score table rules and HighScores.dat, with the game's messages for every failure.
#include "scores/table.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "base/gridfile.h"
#include "ui/desk.h"
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
constexpr const char* kTooLargeError =
    "High scores were not saved: the table has grown too large for 'HighScores.dat' to be read "
    "back.";

// Who can enter the table after a game, in the order they are asked.
struct Contender {
    const char* defaultName;
    Rgb colour;
};
constexpr Contender kContenders[] = {
    {"Player 1", style::kGreen},
    {"Player 2", style::kTeal},
};

std::string TablePath(Desk& desk) {
    return desk.DirLbl + kHighScoresFile;
}

RowPump Pump(Desk& desk) {
    return [&desk] { ProcessMessages(desk); };
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
                 const std::string& levelsText, const std::string& replay) {
    if (row < 1 || row >= table.RowCount()) return;
    for (int r = table.RowCount() - 1; r > row; --r)
        for (int c = kNameCol; c < table.ColCount(); ++c) table.SetCell(c, r, table.Cell(c, r - 1));
    table.SetCell(kNameCol, row, name);
    table.SetCell(kScoreCol, row, std::to_string(score));
    table.SetCell(kLevelsCol, row, levelsText);
    for (int c = kLevelsCol + 1; c < table.ColCount(); ++c) table.SetCell(c, row, "");
    if (replay.empty()) return;
    if (table.ColCount() <= kReplayCol) table.Resize(kReplayCol + 1, table.RowCount());
    table.SetCell(kReplayCol, row, replay);
}

int LoadTable(Desk& desk, StringGrid& table) {
    for (int r = 1; r < table.RowCount(); ++r)
        for (int c = 0; c < table.ColCount(); ++c) table.SetCell(c, r, "");
    table.SetRowCount(2);
    GridHeader ignored{};
    std::string text;
    const FileReadResult read = desk.pf.ReadGameFile(TablePath(desk), kMaxGridFileBytes, text);
    switch (GridFromRead(read, text, table, ignored, Pump(desk))) {
        case GridReadResult::Read:
            return 0;
        case GridReadResult::WrongVersion:
            ShowError(desk, kVersionError);
            return 1;
        case GridReadResult::CannotOpen:
        case GridReadResult::Damaged:
            ShowError(desk, kLoadError);
            return 1;
    }
    return 1;
}

void SaveTable(Desk& desk, StringGrid& table) {
    const std::string path = TablePath(desk);
    if (desk.pf.FileExists(path) && desk.pf.IsReadOnly(path)) {
        if (!Confirm(desk, kReadOnlyQuestion)) {
            desk.pf.MessageBox(BoxKind::Plain, kNotSaved);
            return;
        }
        if (!desk.pf.MakeWritable(path)) {
            ShowError(desk, kCannotMakeWritable);
            return;
        }
    }
    StringGrid saved = table;
    saved.SetCell(0, 1, kSaveMark);
    std::string text;
    GridWriteResult written = FormatGridForSave(saved, HighScoreHeader(), text, Pump(desk));
    if (written == GridWriteResult::Written)
        written = GridWriteOutcome(desk.pf.SaveGameFile(path, text));
    switch (written) {
        case GridWriteResult::Written:
            table.SetCell(0, 1, kSaveMark);
            return;
        case GridWriteResult::Unreadable:
            ShowError(desk, kTooLargeError);
            return;
        case GridWriteResult::FolderTakesNoNewFile:
            ShowSaveFailure(desk, SaveResult::FolderTakesNoNewFile, kHighScoresFile, kSaveError);
            return;
        case GridWriteResult::CannotWrite:
            ShowError(desk, kSaveError);
            return;
    }
}

void InsertResults(Desk& desk, StringGrid& table, const std::vector<ShownResult>& results,
                   const NameAsker& askName) {
    const size_t players = std::min(results.size(), std::size(kContenders));
    // A program closed while a name is asked still keeps every result: the name as typed, and
    // for a player not yet asked the default name.
    for (size_t i = 0; i < players; ++i) {
        const Contender& who = kContenders[i];
        const ShownResult& panel = results[i];
        const std::optional<long long> score = ParseTableNumber(panel.points);
        const std::optional<long long> levels = ParseTableNumber(panel.levelsPassed);
        if (!score || !levels) continue;  // the panels only ever show numbers
        const int row = FindPlace(table, *score, *levels);
        if (row < 0) continue;
        const std::string name = askName(who.defaultName, who.colour);
        InsertEntry(table, row, name, *score, panel.levelsPassed);
    }
    SaveTable(desk, table);
}

}  // namespace murk
