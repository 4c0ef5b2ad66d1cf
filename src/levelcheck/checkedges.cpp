// Rule family for room edges: the closed outer border, matching shared edges, wide openings,
// closed corners and nothing on an edge that breeds into the next room.
#include "base/tiles.h"
#include "levelcheck/checks.h"
#include "levelcheck/squares.h"
#include "levelcheck/tileclass.h"

namespace murk {

namespace {

// One side of a room: square i (1..length) along it, and the neighbouring room's facing square.
struct Side {
    const char* name;
    int dc, dr;  // the neighbouring room's offset
    int length;
    bool reportsOpenings;  // each shared edge's openings are measured from one of its sides
    Where Square(int i) const {
        return {0, 0, dc ? (dc > 0 ? kRoomCols : 1) : i, dr ? (dr > 0 ? kRoomRows : 1) : i};
    }
    Where Facing(int i) const { return AcrossEdge(Square(i), {dc, dr}); }
};

constexpr Side kSides[] = {{"north", 0, -1, kRoomCols, false},
                           {"east", 1, 0, kRoomRows, true},
                           {"south", 0, 1, kRoomCols, true},
                           {"west", -1, 0, kRoomRows, false}};

Where In(int rc, int rr, Where square) {
    return {rc, rr, square.col, square.row};
}

std::string Along(const Side& side, int first, int last) {
    const std::string unit = side.dc ? "rows " : "columns ";
    return first == last ? unit.substr(0, unit.size() - 2) + " " + std::to_string(first)
                         : unit + std::to_string(first) + " to " + std::to_string(last);
}

// An edge with no room beyond: edge wall along its whole length. One line per run of gaps.
void CheckOuterSide(const LevelFile& level, Report& report, int rc, int rr, const Side& side) {
    for (int i = 1; i <= side.length; ++i) {
        const Where sq = side.Square(i);
        if (level.At(rc, rr, sq.col, sq.row) == code::EdgeWall) continue;
        int last = i;
        while (last < side.length) {
            const Where next = side.Square(last + 1);
            if (level.At(rc, rr, next.col, next.row) == code::EdgeWall) break;
            ++last;
        }
        report.Add(In(rc, rr, sq),
                   "the " + std::string(side.name) + " edge has no room beyond it, so it must be " +
                       Describe(code::EdgeWall) + " along its whole length; " +
                       Along(side, i, last) +
                       (i == last ? " holds " + Describe(level.At(rc, rr, sq.col, sq.row))
                                  : " hold other tiles"));
        i = last;
    }
}

void CheckSharedSide(const LevelFile& level, Report& report, int rc, int rr, const Side& side) {
    const int nc = rc + side.dc, nr = rr + side.dr;
    const std::string next = RoomText(nc, nr);
    int run = 0;                              // openings in a row so far
    for (int i = 2; i <= side.length; ++i) {  // the corners are checked on their own
        const Where sq = side.Square(i), facing = side.Facing(i);
        const std::string_view here = level.At(rc, rr, sq.col, sq.row);
        const std::string_view there = level.At(nc, nr, facing.col, facing.row);
        const bool opening = i < side.length && here == code::Floor && there == code::Floor;
        if (opening) {
            ++run;
            continue;
        }
        if (run == 1 && side.reportsOpenings)
            report.Add(In(rc, rr, side.Square(i - 1)),
                       "a one-square opening into " + next +
                           "; two players leave a room side by side, so make it two squares "
                           "wide");
        run = 0;
        if (i == side.length) break;
        if (Breeds(here))
            report.Add(In(rc, rr, sq), "the " + Describe(here) + " on the " + side.name +
                                           " edge breeds into " + next +
                                           "; move it at least one square in");
        else if (here == code::Floor)
            report.Add(In(rc, rr, sq), "an opening onto " + Describe(there) + " at " +
                                           SquareText(facing.col, facing.row) + " of " + next +
                                           "; players arriving there would stand in it: open "
                                           "both sides (floor '.') or close both");
        else if (!IsLastingWall(here))
            report.Add(In(rc, rr, sq),
                       "the " + std::string(side.name) + " edge holds " + Describe(here) +
                           "; an edge square is an opening (floor '.', matched by floor in " +
                           next + ") or closed by a lasting wall (# X : |)");
    }
}

void CheckCorners(const LevelFile& level, Report& report, int rc, int rr) {
    for (int cc : {1, kRoomCols})
        for (int cr : {1, kRoomRows}) {
            const int dc = cc == 1 ? -1 : 1, dr = cr == 1 ? -1 : 1;
            // A corner on an outer edge is checked with that edge.
            if (!level.HasRoom(rc + dc, rr) || !level.HasRoom(rc, rr + dr)) continue;
            const std::string_view code = level.At(rc, rr, cc, cr);
            if (!IsLastingWall(code))
                report.Add({rc, rr, cc, cr},
                           "the room's corner holds " + Describe(code) +
                               "; corners are closed with a lasting wall (# X : |)");
        }
}

}  // namespace

void CheckEdges(const LevelFile& level, Report& report) {
    for (int rr = 1; rr <= level.RoomsDown(); ++rr)
        for (int rc = 1; rc <= level.RoomsAcross(); ++rc) {
            for (const Side& side : kSides) {
                if (level.HasRoom(rc + side.dc, rr + side.dr))
                    CheckSharedSide(level, report, rc, rr, side);
                else
                    CheckOuterSide(level, report, rc, rr, side);
            }
            CheckCorners(level, report, rc, rr);
        }
}

}  // namespace murk
