// Drawing on the level: painting, strokes, rectangles, flood fill, slide targets, the players.
#include <cstdlib>
#include <vector>

#include "editor/editor.h"
#include "editor/squares.h"
#include "levelsource/levelsource.h"
#include "levelsource/sourcewriter.h"

namespace murk {

using editsquares::IsPlayer;
using editsquares::OnRoom;

namespace {

const char* PlayerName(std::string_view code) {
    return code == code::Player1 ? "player 1" : "player 2";
}

// Why `code` cannot be painted; "" when it can.
std::string BrushProblem(std::string_view code) {
    return code == code::SlideField ? "" : CodeProblem(code);
}

// What a brush puts on a square: a bare slide field aims at its own square.
std::string BrushCode(std::string_view code, const Spot& at) {
    return code == code::SlideField ? SlideFieldCode(at.col, at.row) : std::string(code);
}

}  // namespace

EditResult LevelEditor::Paint(const Spot& at, std::string_view code) {
    EndStroke();
    if (std::string why = BrushProblem(code); !why.empty()) return {false, why};
    if (At(at).empty()) return {false, "there is no such square in the level"};
    Begin();
    if (EditResult r = PaintOne(at, code); !r) {
        Rollback();
        return r;
    }
    return Commit();
}

EditResult LevelEditor::PaintOne(const Spot& at, std::string_view code) {
    if (IsPlayer(code)) return PlacePlayer(code == code::Player1 ? 1 : 2, at);
    const std::string_view here = At(at);
    if (IsPlayer(here))
        return {false, std::string(PlayerName(here)) + " starts on this square; place " +
                           PlayerName(here) + " elsewhere first"};
    const std::string brush = BrushCode(code, at);
    if (counts_[static_cast<size_t>(TileIndex(brush))] == 0 && kinds_ >= LegendCapacity())
        return {false, "a level holds at most " + std::to_string(LegendCapacity()) +
                           " kinds of tile, as many as a level source can draw"};
    Put(at, brush);
    return {};
}

EditResult LevelEditor::PlacePlayer(int player, const Spot& at) {
    const std::string_view mine = player == 1 ? code::Player1 : code::Player2;
    const std::string_view other = player == 1 ? code::Player2 : code::Player1;
    const bool moving = at.roomCol != StartRoomCol() || at.roomRow != StartRoomRow();
    const Spot otherStart = PlayerStart(3 - player);
    if (moving ? otherStart.col == at.col && otherStart.row == at.row : At(at) == other)
        return {false, std::string(PlayerName(other)) + " starts on this square"};
    if (moving) {
        // Both players start in one room: the other one comes along to its own square there.
        const Spot p1 = PlayerStart(1), p2 = PlayerStart(2);
        Put(p1, code::Floor);
        Put(p2, code::Floor);
        level_.header[levelheader::kStartRoomCol] = at.roomCol;
        level_.header[levelheader::kStartRoomRow] = at.roomRow;
        Put(PlayerStart(1), code::Player1);
        Put(PlayerStart(2), code::Player2);
    }
    const Spot from = PlayerStart(player);
    if (from == at) return {};
    Put(from, code::Floor);
    Put(at, mine);
    level_.header[player == 1 ? levelheader::kP1Col : levelheader::kP2Col] = at.col;
    level_.header[player == 1 ? levelheader::kP1Row : levelheader::kP2Row] = at.row;
    return {};
}

EditResult LevelEditor::BeginStroke(std::string_view code) {
    EndStroke();
    if (std::string why = BrushProblem(code); !why.empty()) return {false, why};
    stroke_ = Stroke{std::string(code), std::nullopt};
    Begin();
    return {};
}

void LevelEditor::StrokeTo(const Spot& at) {
    if (!stroke_ || At(at).empty()) return;
    const std::optional<Spot> last = stroke_->last;
    stroke_->last = at;
    if (!last || last->roomCol != at.roomCol || last->roomRow != at.roomRow) {
        static_cast<void>(PaintOne(at, stroke_->code));  // a refused square is left as it is
        return;
    }
    // The squares of the straight line after the last one, as a line is drawn on a grid.
    const int dc = std::abs(at.col - last->col), dr = -std::abs(at.row - last->row);
    const int sc = last->col < at.col ? 1 : -1, sr = last->row < at.row ? 1 : -1;
    int col = last->col, row = last->row, error = dc + dr;
    while (col != at.col || row != at.row) {
        const int twice = 2 * error;
        if (twice >= dr) error += dr, col += sc;
        if (twice <= dc) error += dc, row += sr;
        static_cast<void>(PaintOne({at.roomCol, at.roomRow, col, row}, stroke_->code));
    }
}

EditResult LevelEditor::EndStroke() {
    if (!stroke_) return {};
    stroke_.reset();
    return Commit();
}

EditResult LevelEditor::Rectangle(const Spot& corner, int col2, int row2, std::string_view code,
                                  bool filled) {
    EndStroke();
    if (std::string why = BrushProblem(code); !why.empty()) return {false, why};
    if (IsPlayer(code)) return {false, "a player is placed on one square"};
    if (At(corner).empty() || !OnRoom(col2, row2))
        return {false, "there is no such square in the level"};
    const int c1 = std::min(corner.col, col2), c2 = std::max(corner.col, col2);
    const int r1 = std::min(corner.row, row2), r2 = std::max(corner.row, row2);
    Begin();
    for (int row = r1; row <= r2; ++row)
        for (int col = c1; col <= c2; ++col) {
            if (!filled && row != r1 && row != r2 && col != c1 && col != c2) continue;
            const Spot s{corner.roomCol, corner.roomRow, col, row};
            if (!IsPlayer(At(s))) Put(s, BrushCode(code, s));
        }
    return Commit();
}

EditResult LevelEditor::Fill(const Spot& at, std::string_view code) {
    EndStroke();
    if (std::string why = BrushProblem(code); !why.empty()) return {false, why};
    if (IsPlayer(code)) return {false, "a player is placed on one square"};
    const std::string target(At(at));
    if (target.empty()) return {false, "there is no such square in the level"};
    if (IsPlayer(target))
        return {false, std::string(PlayerName(target)) + " starts on this square"};
    Begin();
    std::vector<bool> seen(kRoomCols * kRoomRows, false);
    std::vector<Spot> todo{at};
    seen[static_cast<size_t>((at.row - 1) * kRoomCols + at.col - 1)] = true;
    while (!todo.empty()) {
        const Spot s = todo.back();
        todo.pop_back();
        Put(s, BrushCode(code, s));
        constexpr int kSides[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
        for (const auto& [dc, dr] : kSides) {
            const Spot next{s.roomCol, s.roomRow, s.col + dc, s.row + dr};
            if (!OnRoom(next.col, next.row)) continue;
            const size_t i = static_cast<size_t>((next.row - 1) * kRoomCols + next.col - 1);
            if (seen[i] || At(next) != target) continue;
            seen[i] = true;
            todo.push_back(next);
        }
    }
    return Commit();
}

EditResult LevelEditor::SetSlideTarget(const Spot& field, int col, int row) {
    EndStroke();
    if (!IsSlideField(At(field))) return {false, "there is no slide field on this square"};
    if (!OnRoom(col, row))
        return {false, "a slide field sends players to a square of its own room"};
    Begin();
    Put(field, SlideFieldCode(col, row));
    return Commit();
}

}  // namespace murk
