// murk-sim's edit commands: the level editor's model driven a line at a time.
#include "sim/editcommands.h"

#include <sstream>
#include <vector>

#include "base/tilekinds.h"
#include "base/wholenumber.h"

namespace murk {

namespace {

// The words of a line after the command.
std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// Words [from, from + n) as whole numbers; false when one is not.
bool Numbers(const std::vector<std::string>& words, size_t from, size_t n, std::vector<int>& out) {
    out.assign(n, 0);
    if (words.size() < from + n) return false;
    for (size_t i = 0; i < n; ++i)
        if (!ParseWholeNumber(words[from + i], out[i])) return false;
    return true;
}

bool SideOf(const std::string& word, Side& side) {
    constexpr std::pair<const char*, Side> kSides[] = {
        {"north", Side::North}, {"east", Side::East}, {"south", Side::South}, {"west", Side::West}};
    for (const auto& [name, s] : kSides)
        if (word == name) return side = s, true;
    return false;
}

}  // namespace

EditCommands::EditCommands(std::string dir, std::ostream& out)
    : editor_(std::move(dir)), out_(out) {}

void EditCommands::Report(const EditResult& result) {
    if (!result) out_ << "edit refused: " << result.message << '\n';
}

bool EditCommands::Run(const std::string& line) {
    const std::vector<std::string> w = Words(line);
    if (w.empty()) return false;
    const std::string& cmd = w[0];
    const size_t n = w.size();
    std::vector<int> v;
    if (cmd == "new" && n == 1) return editor_.New(), true;
    if (cmd == "open" && n == 2 && Numbers(w, 1, 1, v)) return Open(v[0]), true;
    if (cmd == "save" && n <= 2) {
        if (n == 1)
            return Save(editor_.Number() < 0 ? editor_.FirstFreeNumber() : editor_.Number()), true;
        return Numbers(w, 1, 1, v) && (Save(v[0]), true);
    }
    if (cmd == "title" && n >= 2) {
        const std::string rest = line.substr(line.find("title") + 6);
        return Report(editor_.SetTitle(rest)), true;
    }
    Side side;
    if ((cmd == "grow" || cmd == "shrink") && (n == 2 || n == 3) && SideOf(w[1], side)) {
        int rooms = 1;
        if (n == 3 && !ParseWholeNumber(w[2], rooms)) return false;
        return Report(cmd == "grow" ? editor_.Grow(side, rooms) : editor_.Shrink(side, rooms)),
               true;
    }
    if (cmd == "start" && n == 3 && Numbers(w, 1, 2, v))
        return Report(editor_.SetStartRoom(v[0], v[1])), true;
    if (cmd == "paint" && n == 6 && Numbers(w, 1, 4, v))
        return Report(editor_.Paint({v[0], v[1], v[2], v[3]}, w[5])), true;
    if (cmd == "stroke" && n >= 6 && n % 2 == 0 && Numbers(w, 1, 2, v)) {
        std::vector<int> squares;
        if (!Numbers(w, 4, n - 4, squares)) return false;
        return Stroke(v[0], v[1], w[3], squares), true;
    }
    if (cmd == "rect" && (n == 8 || (n == 9 && w[8] == "filled")) && Numbers(w, 1, 6, v))
        return Report(editor_.Rectangle({v[0], v[1], v[2], v[3]}, v[4], v[5], w[7], n == 9)), true;
    if (cmd == "fill" && n == 6 && Numbers(w, 1, 4, v))
        return Report(editor_.Fill({v[0], v[1], v[2], v[3]}, w[5])), true;
    if (cmd == "slide" && n == 7 && Numbers(w, 1, 6, v))
        return Report(editor_.SetSlideTarget({v[0], v[1], v[2], v[3]}, v[4], v[5])), true;
    if (cmd == "pick" && n == 5 && Numbers(w, 1, 4, v))
        return out_ << "edit pick " << editor_.At({v[0], v[1], v[2], v[3]}) << '\n', true;
    if (cmd == "copy" && n == 3 && Numbers(w, 1, 2, v)) return editor_.CopyRoom(v[0], v[1]), true;
    if (cmd == "paste" && n == 3 && Numbers(w, 1, 2, v))
        return Report(editor_.PasteRoom(v[0], v[1])), true;
    if (cmd == "clear" && n == 3 && Numbers(w, 1, 2, v))
        return Report(editor_.ClearRoom(v[0], v[1])), true;
    if ((cmd == "undo" || cmd == "redo") && n == 1) {
        if (!(cmd == "undo" ? editor_.Undo() : editor_.Redo()))
            out_ << "edit refused: nothing to " << cmd << '\n';
        return true;
    }
    if (cmd == "check" && n == 1) return Check(), true;
    if (cmd == "state" && n == 1) return State(), true;
    if (cmd == "show" && n == 3 && Numbers(w, 1, 2, v)) return Show(v[0], v[1]), true;
    return false;
}

void EditCommands::Open(int number) {
    if (const EditResult r = editor_.Open(number); !r)
        out_ << "edit refused: " << r.message << '\n';
    else
        out_ << "edit opened level " << number << " - " << editor_.Title() << '\n';
}

void EditCommands::Save(int number) {
    const SaveOutcome saved = editor_.Save(number);
    if (saved.saved)
        out_ << "edit saved level " << number << '\n';
    else
        out_ << "edit refused: " << saved.message << '\n';
}

void EditCommands::Stroke(int roomCol, int roomRow, const std::string& code,
                          const std::vector<int>& squares) {
    if (const EditResult r = editor_.BeginStroke(code); !r) return Report(r);
    for (size_t i = 0; i + 1 < squares.size(); i += 2)
        editor_.StrokeTo({roomCol, roomRow, squares[i], squares[i + 1]});
    Report(editor_.EndStroke());
}

void EditCommands::Check() {
    const std::vector<LevelProblem>& problems = editor_.Problems();
    out_ << "edit problems " << problems.size() << '\n';
    for (const LevelProblem& p : problems) out_ << "problem " << ProblemText(p) << '\n';
}

void EditCommands::State() {
    const Spot p1 = editor_.PlayerStart(1), p2 = editor_.PlayerStart(2);
    out_ << "edit level=" << editor_.Number() << " size=" << editor_.RoomsAcross() << 'x'
         << editor_.RoomsDown() << " start=" << editor_.StartRoomCol() << ','
         << editor_.StartRoomRow() << " p1=" << p1.col << ',' << p1.row << " p2=" << p2.col << ','
         << p2.row << " dirty=" << editor_.Dirty() << " undo=" << editor_.CanUndo()
         << " redo=" << editor_.CanRedo() << " title=" << editor_.Title() << '\n';
}

// The room in the characters of the level sources' legend; '?' for a tile that has none.
void EditCommands::Show(int roomCol, int roomRow) {
    if (!editor_.HasRoom(roomCol, roomRow))
        return Report({false, "there is no such room in the level"});
    out_ << "edit room " << roomCol << ' ' << roomRow << '\n';
    for (int row = 1; row <= kRoomRows; ++row) {
        std::string text;
        for (int col = 1; col <= kRoomCols; ++col) {
            const char c = LegendChar(editor_.At({roomCol, roomRow, col, row}));
            text += c ? c : '?';
        }
        out_ << text << '\n';
    }
}

}  // namespace murk
