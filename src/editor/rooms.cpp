// The level's rooms and frame: a new level, room copy, paste and clear, the title, the size and
// the start room.
#include "editor/editor.h"
#include "editor/squares.h"
#include "levelsource/levelsource.h"
#include "levelsource/sourcewriter.h"

namespace murk {

using editsquares::IsPlayer;

namespace {

constexpr const char* kNewTitle = "New Level";
constexpr int kNewPlayerCol = 3, kNewPlayerRow = 10;  // player 2 starts beside player 1

// A room of floor inside an edge wall all round: it closes every edge it shares, as a room
// beyond the level's border does.
std::string WalledRoom() {
    std::string room;
    for (int row = 1; row <= kRoomRows; ++row)
        for (int col = 1; col <= kRoomCols; ++col)
            room += col == 1 || col == kRoomCols || row == 1 || row == kRoomRows ? code::EdgeWall
                                                                                 : code::Floor;
    return room;
}

// A level grid of `across` x `down` rooms as levelc makes one, its rooms empty.
StringGrid LevelGrid(int across, int down, const std::string& title) {
    StringGrid grid(across + 1, down + 1);
    for (int c = 0; c <= across; ++c) grid.SetColWidth(c, kLevelColumnWidth);
    grid.SetCell(1, 0, title);
    return grid;
}

const char* SideWord(Side side) {
    return side == Side::East || side == Side::West ? "across" : "down";
}

}  // namespace

void LevelEditor::New() {
    stroke_.reset();
    open_.reset();
    level_ = LevelFile{};
    level_.name = "New level";
    level_.header = {};
    level_.header[levelheader::kStartRoomCol] = level_.header[levelheader::kStartRoomRow] = 1;
    level_.header[levelheader::kP1Col] = kNewPlayerCol;
    level_.header[levelheader::kP2Col] = kNewPlayerCol + 1;
    level_.header[levelheader::kP1Row] = level_.header[levelheader::kP2Row] = kNewPlayerRow;
    StringGrid grid = LevelGrid(2, 2, kNewTitle);
    for (int rr = 1; rr <= 2; ++rr)
        for (int rc = 1; rc <= 2; ++rc) grid.SetCell(rc, rr, WalledRoom());
    SetWholeGrid(std::move(grid));
    Put(PlayerStart(1), code::Player1);
    Put(PlayerStart(2), code::Player2);
    number_ = -1;
    history_.Clear();
    changes_ = {{}, true, true};
}

void LevelEditor::CopyRoom(int roomCol, int roomRow) {
    if (HasRoom(roomCol, roomRow)) copied_ = level_.grid.Cell(roomCol, roomRow);
}

EditResult LevelEditor::PasteRoom(int roomCol, int roomRow) {
    EndStroke();
    if (!HasRoom(roomCol, roomRow)) return {false, "there is no such room in the level"};
    if (copied_.empty()) return {false, "copy a room first"};
    Begin();
    for (int row = 1; row <= kRoomRows; ++row)
        for (int col = 1; col <= kRoomCols; ++col) {
            const Spot s{roomCol, roomRow, col, row};
            const std::string_view code =
                std::string_view(copied_).substr(editsquares::Offset(col, row), 3);
            if (!IsPlayer(At(s))) Put(s, IsPlayer(code) ? code::Floor : code);
        }
    return Commit();
}

EditResult LevelEditor::ClearRoom(int roomCol, int roomRow) {
    EndStroke();
    if (!HasRoom(roomCol, roomRow)) return {false, "there is no such room in the level"};
    Begin();
    for (int row = 2; row < kRoomRows; ++row)
        for (int col = 2; col < kRoomCols; ++col) {
            const Spot s{roomCol, roomRow, col, row};
            if (!IsPlayer(At(s))) Put(s, code::Floor);
        }
    return Commit();
}

EditResult LevelEditor::SetTitle(std::string_view title) {
    EndStroke();
    if (std::string why = TitleProblem(title); !why.empty()) return {false, why};
    if (title == Title()) return {};
    Begin();
    Remember(1, 0);
    level_.grid.SetCell(1, 0, std::string(title));
    changes_.title = true;
    Changed();
    return Commit();
}

EditResult LevelEditor::Grow(Side side, int rooms) {
    EndStroke();
    const bool across = side == Side::East || side == Side::West;
    const int w = RoomsAcross() + (across ? rooms : 0), h = RoomsDown() + (across ? 0 : rooms);
    if (rooms < 1) return {false, "grow the level by one room or more"};
    if (w > kMaxLevelRooms || h > kMaxLevelRooms)
        return {false, "a level is at most " + std::to_string(kMaxLevelRooms) + " rooms " +
                           SideWord(side)};
    Begin();
    RememberWhole();
    Reframe(w, h, side == Side::West ? rooms : 0, side == Side::North ? rooms : 0);
    return Commit();
}

EditResult LevelEditor::Shrink(Side side, int rooms) {
    EndStroke();
    const bool across = side == Side::East || side == Side::West;
    const int w = RoomsAcross() - (across ? rooms : 0), h = RoomsDown() - (across ? 0 : rooms);
    const int dc = side == Side::West ? -rooms : 0, dr = side == Side::North ? -rooms : 0;
    if (rooms < 1) return {false, "shrink the level by one room or more"};
    if (w < 1 || h < 1)
        return {false, "a level is at least one room " + std::string(SideWord(side))};
    const int sc = StartRoomCol() + dc, sr = StartRoomRow() + dr;
    if (sc < 1 || sr < 1 || sc > w || sr > h)
        return {false, "the start room would go; move the start to another room first"};
    Begin();
    RememberWhole();
    Reframe(w, h, dc, dr);
    return Commit();
}

void LevelEditor::Reframe(int across, int down, int dc, int dr) {
    StringGrid grid = LevelGrid(across, down, Title());
    for (int rr = 1; rr <= down; ++rr)
        for (int rc = 1; rc <= across; ++rc)
            grid.SetCell(
                rc, rr,
                HasRoom(rc - dc, rr - dr) ? level_.grid.Cell(rc - dc, rr - dr) : WalledRoom());
    level_.header[levelheader::kStartRoomCol] += dc;
    level_.header[levelheader::kStartRoomRow] += dr;
    SetWholeGrid(std::move(grid));
}

EditResult LevelEditor::SetStartRoom(int roomCol, int roomRow) {
    EndStroke();
    if (!HasRoom(roomCol, roomRow)) return {false, "there is no such room in the level"};
    const Spot p1 = PlayerStart(1);
    if (roomCol == p1.roomCol && roomRow == p1.roomRow) return {};
    Begin();
    if (EditResult r = PlacePlayer(1, {roomCol, roomRow, p1.col, p1.row}); !r) {
        Rollback();
        return r;
    }
    return Commit();
}

}  // namespace murk
