// The level editor's model: the level being edited, what drawing does to it, undo and redo, its
// problems, opening and saving. No window: the editor's screen drives it, and so does murk-sim.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/safefile.h"
#include "base/tiles.h"
#include "editor/history.h"
#include "levelcheck/report.h"
#include "levelsource/levelfile.h"

namespace murk {

// A square of the level, counted as the level sources count it: the room's column and row from
// 1 (column 1 in the west, row 1 in the north), the square's column 1..30 and row 1..19.
struct Spot {
    int roomCol = 0, roomRow = 0;
    int col = 0, row = 0;
    bool operator==(const Spot&) const = default;
};

enum class Side { North, East, South, West };

// What an operation did: `ok`, or nothing at all and `message` says why in a player's words.
struct EditResult {
    bool ok = true;
    std::string message;
    explicit operator bool() const { return ok; }
};

// What a save did. When it fails, `file` is the file that could not be written (relative to
// the game folder, e.g. "Levels/Level024.dat") and `result` how; the screen shows it as any
// save failure is shown (ShowSaveFailure).
struct SaveOutcome {
    bool saved = false;
    std::string file;
    SaveResult result = SaveResult::Saved;
    std::string message;
};

// What changed since the screen last asked: squares to draw again, or the whole level (its size,
// or rooms moved), and whether the title changed.
struct EditChanges {
    std::vector<Spot> squares;
    bool wholeLevel = false;
    bool title = false;
};

// The level being edited. Every operation keeps it a level the game loads and levelc compiles
// from the source a save writes: the title a source can say, 1 to 20 rooms each way, every room
// 570 tile codes, slide fields aimed at squares of their rooms, no more kinds of tile than a
// source's legend holds, and each player's tile once, on its start square in the start room.
// An operation that would break this does nothing and says why. Each operation, and each
// stroke, is one step of the history, which has no limit.
class LevelEditor {
public:
    // `dir` is the game folder, "" or ending in '/': levels are `dir`Levels/LevelNNN.dat and
    // their sources `dir`Levels/Sources/LevelNNN.lvl. Starts on a new level.
    explicit LevelEditor(std::string dir);

    // ---- The level ----
    // As the game loads it: the title in cell (1, 0), room (C, R) packed in cell (C, R), the start
    // squares and the start room in the header (levelheader::). A test play copies it.
    const LevelFile& Level() const { return level_; }
    int Number() const { return number_; }  // -1: a new level, not saved yet
    const std::string& Title() const { return level_.grid.Cell(1, 0); }
    int RoomsAcross() const { return level_.RoomsAcross(); }
    int RoomsDown() const { return level_.RoomsDown(); }
    bool HasRoom(int roomCol, int roomRow) const { return level_.HasRoom(roomCol, roomRow); }
    int StartRoomCol() const;
    int StartRoomRow() const;
    Spot PlayerStart(int player) const;  // player 1 or 2, in the start room
    // The tile code on a square ("" off the level): a slide field's code names its target. A
    // view into the level, good until the level next changes.
    std::string_view At(const Spot& at) const;
    // Changed since it was opened, saved or made new.
    bool Dirty() const { return !history_.AtSaved(); }

    // ---- Files ----
    // An empty level of 2 x 2 rooms walled round, players side by side in room 1 1; no number.
    void New();
    // Opens Levels/LevelNNN.dat. A file the game cannot load gives the game's own message; a
    // level no source can say (a hand-made file) says why. Either way nothing changes.
    [[nodiscard]] EditResult Open(int number);
    // Saves as level `number`: Levels/LevelNNN.dat, then its source Levels/Sources/LevelNNN.lvl,
    // each written whole or not at all (base/safefile). The level being edited stays as it is
    // whatever happens; it is no longer dirty only when both files were written. Asking before
    // replacing another level is the caller's.
    [[nodiscard]] SaveOutcome Save(int number);
    bool LevelExists(int number) const;
    int FirstFreeNumber() const;  // the number a new level takes: the first with no file

    // ---- Drawing: codes as in base/tiles.h, any tile of the catalogue ----
    // A slide field painted as the bare code::SlideField aims at its own square until given a
    // target; its full code (as At picks it) keeps the target it names. A player's tile moves that
    // player's start square there, and the start room with both players when it lies in another
    // room; other tiles never cover a player.
    EditResult Paint(const Spot& at, std::string_view code);
    // A stroke: every square it passes is painted and the whole stroke is one step. StrokeTo
    // paints the straight line from the stroke's last square (in the same room) to `at`, so a
    // fast drag leaves no gaps.
    EditResult BeginStroke(std::string_view code);
    void StrokeTo(const Spot& at);
    // Ends the stroke as one step; a stroke that would leave more kinds of tile than a source
    // draws is taken back whole (the only way a stroke fails).
    EditResult EndStroke();
    bool InStroke() const { return stroke_.has_value(); }
    // The squares of a room's rectangle between two corners, its outline or all of it.
    EditResult Rectangle(const Spot& corner, int col2, int row2, std::string_view code,
                         bool filled);
    // The squares of the room joined to `at` side by side that hold what it holds.
    EditResult Fill(const Spot& at, std::string_view code);
    // Aims the slide field on `field` at square (col, row) of its room.
    EditResult SetSlideTarget(const Spot& field, int col, int row);

    // ---- Rooms ----
    void CopyRoom(int roomCol, int roomRow);  // into the editor's own clipboard
    bool HasCopiedRoom() const { return !copied_.empty(); }
    // The copied room over another, the players' tiles left where they stand.
    EditResult PasteRoom(int roomCol, int roomRow);
    // Floor inside the room's edges; the edges and the players stay.
    EditResult ClearRoom(int roomCol, int roomRow);

    // ---- The level's frame ----
    EditResult SetTitle(std::string_view title);
    // Rooms added or taken away along a side (the west and north move the others' numbers). New
    // rooms are floor walled round; the start room is never taken away.
    EditResult Grow(Side side, int rooms = 1);
    EditResult Shrink(Side side, int rooms = 1);
    // Moves both players to the same squares of another room.
    EditResult SetStartRoom(int roomCol, int roomRow);

    // ---- History ----
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    bool Undo();  // false when there is nothing to undo; ends an open stroke first
    bool Redo();

    // ---- Checking: levelcheck's rules, run again after each change, when asked ----
    // The problems of the level as it stands, each with its room and square (0 where it is the
    // whole level or room). A check after a change reads the whole level (about 30 ms at 20 x 20
    // rooms): a screen asks after a step, not on each square of a stroke.
    const std::vector<LevelProblem>& Problems();

    // ---- For the screen ----
    EditChanges TakeChanges();
    // A test seam: faults injected into the saves (base/safefile.h).
    void SetSaveFaults(const SaveFaults* faults) { saveFaults_ = faults; }

private:
    // Squares: the only way the level's rooms change, keeping the tile counts and the changes.
    void Put(const Spot& at, std::string_view code);
    void SetWholeGrid(StringGrid grid);
    void Recount();
    void Changed();

    // Steps: begun by an operation, committed when the level still keeps its promises.
    void Begin();
    void Remember(int cellCol, int cellRow);  // before the cell first changes in the step
    void RememberWhole();                     // before the level's size changes
    EditResult Commit();
    void Rollback();
    void Apply(const EditStep& step, bool forward);
    std::string Broken() const;  // the promise the level breaks now; "" when it keeps them all

    EditResult PlacePlayer(int player, const Spot& at);
    void Reframe(int across, int down, int dc, int dr);  // rooms moved by (dc, dr), new walled
    EditResult PaintOne(const Spot& at, std::string_view code);
    std::string LevelName(int number) const;

    std::string dir_;
    LevelFile level_;
    int number_ = -1;
    EditHistory history_;
    std::optional<EditStep> open_;  // the step being recorded
    struct Stroke {
        std::string code;
        std::optional<Spot> last;
    };
    std::optional<Stroke> stroke_;
    std::string copied_;                    // a packed room
    std::array<int, kTileCount> counts_{};  // squares holding each catalogue tile
    int kinds_ = 0;                         // catalogue tiles the level holds
    EditChanges changes_;
    std::vector<LevelProblem> problems_;
    bool checked_ = false;
    const SaveFaults* saveFaults_ = nullptr;
};

}  // namespace murk
