// Rule families that look at single squares: shape and codes, start and finish, slides, lasers.
#include <cstdlib>

#include "base/tiles.h"
#include "levelcheck/checks.h"
#include "levelcheck/squares.h"
#include "levelcheck/tileclass.h"

namespace murk {

namespace {

constexpr size_t kRoomLength = 3 * kRoomCols * kRoomRows;

bool InRoom(int col, int row) {
    return col >= 1 && col <= kRoomCols && row >= 1 && row <= kRoomRows;
}

void CheckPlayerStart(const LevelFile& level, Report& report, int player) {
    const GridHeader& h = level.header;
    const int col = h[player == 1 ? levelheader::kP1Col : levelheader::kP2Col];
    const int row = h[player == 1 ? levelheader::kP1Row : levelheader::kP2Row];
    const int rc = h[levelheader::kStartRoomCol], rr = h[levelheader::kStartRoomRow];
    const std::string tile(player == 1 ? code::Player1 : code::Player2);
    const std::string who = "player " + std::to_string(player);
    if (!InRoom(col, row)) {
        report.Add({rc, rr}, who + "'s start square " + SquareText(col, row) +
                                 " is off the room (columns 1..30, rows 1..19)");
        return;
    }
    if (level.At(rc, rr, col, row) != tile)
        report.Add({rc, rr, col, row}, who + "'s start square holds " +
                                           Describe(level.At(rc, rr, col, row)) + ", not " +
                                           Describe(tile));
    ForEachSquare(level, [&](int qc, int qr, int c, int r, std::string_view code) {
        if (code == tile && !(qc == rc && qr == rr && c == col && r == row))
            report.Add({qc, qr, c, r}, Describe(tile) + " stands here but " + who + " starts at " +
                                           SquareText(col, row) + " of " + RoomText(rc, rr) +
                                           "; remove it");
    });
}

}  // namespace

bool CheckShape(const LevelFile& level, Report& report) {
    const std::string& title = level.grid.Cell(1, 0);
    if (title.empty() || title.size() > 40)
        report.Add(
            {}, "the title has " + std::to_string(title.size()) + " characters; give it 1 to 40");
    if (level.RoomsAcross() < 1 || level.RoomsDown() < 1 || level.RoomsAcross() > 20 ||
        level.RoomsDown() > 20) {
        report.Add({}, "the level is " + std::to_string(level.RoomsAcross()) + " x " +
                           std::to_string(level.RoomsDown()) + " rooms; 1 to 20 each way");
        return false;
    }
    bool readable = true;
    for (int rr = 1; rr <= level.RoomsDown(); ++rr)
        for (int rc = 1; rc <= level.RoomsAcross(); ++rc) {
            const size_t length = level.grid.Cell(rc, rr).size();
            if (length == kRoomLength) continue;
            report.Add({rc, rr}, "the room holds " + std::to_string(length) +
                                     " characters; a room is 570 tile codes, 1710 characters");
            readable = readable && length > kRoomLength;
        }
    if (!readable) return false;
    ForEachSquare(level, [&](int rc, int rr, int col, int row, std::string_view code) {
        if (TileIndex(code) < 0) report.Add({rc, rr, col, row}, Describe(code) + " is no tile");
    });
    return true;
}

void CheckStartAndFinish(const LevelFile& level, Report& report) {
    const GridHeader& h = level.header;
    const int rc = h[levelheader::kStartRoomCol], rr = h[levelheader::kStartRoomRow];
    if (!level.HasRoom(rc, rr)) {
        report.Add({}, "the start " + RoomText(rc, rr) + " lies outside the level (" +
                           std::to_string(level.RoomsAcross()) + " x " +
                           std::to_string(level.RoomsDown()) + " rooms)");
    } else {
        CheckPlayerStart(level, report, 1);
        CheckPlayerStart(level, report, 2);
        const bool onRoom = InRoom(h[levelheader::kP1Col], h[levelheader::kP1Row]) &&
                            InRoom(h[levelheader::kP2Col], h[levelheader::kP2Row]);
        const int dc = onRoom ? std::abs(h[levelheader::kP1Col] - h[levelheader::kP2Col]) : 1;
        const int dr = onRoom ? std::abs(h[levelheader::kP1Row] - h[levelheader::kP2Row]) : 0;
        if (dc == 0 && dr == 0)
            report.Add({rc, rr}, "both players start on the same square");
        else if (dc > 2 || dr > 2)
            report.Add({rc, rr, h[levelheader::kP2Col], h[levelheader::kP2Row]},
                       "player 2 starts " + std::to_string(std::max(dc, dr)) +
                           " squares from player 1; start them side by side (at most 2 apart)");
    }

    std::vector<Where> finishes;
    int keys = 0, doors = 0;
    ForEachSquare(level, [&](int qc, int qr, int col, int row, std::string_view code) {
        if (code == code::Finish) finishes.push_back({qc, qr, col, row});
        keys += code == code::Key;
        doors += code == code::Door;
    });
    if (finishes.empty()) report.Add({}, "the level has no finish 'F'; it needs exactly one");
    for (size_t i = 1; i < finishes.size(); ++i)
        report.Add(finishes[i], "a second finish 'F' (the first is at " +
                                    SquareText(finishes[0].col, finishes[0].row) + " of " +
                                    RoomText(finishes[0].roomCol, finishes[0].roomRow) +
                                    "); a level has exactly one");
    if (keys < doors)
        report.Add({}, "the level has " + std::to_string(doors) + " doors but only " +
                           std::to_string(keys) + " keys; each key opens one door");
}

void CheckSlidesAndLasers(const LevelFile& level, Report& report) {
    ForEachSquare(level, [&](int rc, int rr, int col, int row, std::string_view code) {
        if (IsSlideField(code)) {
            const int tc = SlideTargetCol(code), tr = SlideTargetRow(code);
            const std::string_view target = level.At(rc, rr, tc, tr);
            if (!InRoom(tc, tr))
                report.Add({rc, rr, col, row}, "the slide field's target " + SquareText(tc, tr) +
                                                   " is off the room (rows 1..19)");
            else if (!IsStandable(target))
                report.Add({rc, rr, col, row},
                           "the slide field's target " + SquareText(tc, tr) + " holds " +
                               Describe(target) +
                               "; a slide needs a square a player can stand on (floor, an item "
                               "or a field)");
            return;
        }
        const int direction = LaserProducerDirection(code);
        if (!direction) return;
        const Step s = DirectionStep(direction);
        const int fc = col + s.dc, fr = row + s.dr;
        if (!InRoom(fc, fr)) {
            report.Add({rc, rr, col, row},
                       Describe(code) + " faces out of the room; turn it to face inside");
            return;
        }
        const bool edge = fc == 1 || fc == kRoomCols || fr == 1 || fr == kRoomRows;
        if (edge && level.At(rc, rr, fc, fr) != code::Floor)
            report.Add({rc, rr, col, row}, Describe(code) + " faces the room's edge at " +
                                               SquareText(fc, fr) + "; its beam burns away the " +
                                               Describe(level.At(rc, rr, fc, fr)) +
                                               " there and leaves a hole in the edge");
    });
}

}  // namespace murk
