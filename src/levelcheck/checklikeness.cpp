// The set-wide filler check: no two rooms of the set alike enough to read as the same room.
#include <algorithm>
#include <array>

#include "base/tiles.h"
#include "levelcheck/levelcheck.h"
#include "levelcheck/report.h"

namespace murk {

namespace {

// Rooms are compared inside their edges: 28 x 17 squares.
constexpr int kInnerCols = kRoomCols - 2, kInnerRows = kRoomRows - 2;
constexpr int kInnerSquares = kInnerCols * kInnerRows;

struct Room {
    const LevelFile* level;
    int rc, rr;
    std::array<const TileKind*, kInnerSquares> tiles;  // row by row
    const TileKind* floor = KindOf(code::Floor);
};

// A room read as it stands or mirrored: east to west, north to south, or both.
constexpr const char* kFlipNames[] = {"", " mirrored east to west", " mirrored north to south",
                                      " turned half round"};

struct Likeness {
    int differ = 0;
    bool alike = false;
};

// Alike: few squares differ, or few of the squares drawn with anything but floor in either.
Likeness Compare(const Room& a, const Room& b, int flip) {
    Likeness l;
    int drawn = 0;
    for (int row = 0; row < kInnerRows; ++row)
        for (int col = 0; col < kInnerCols; ++col) {
            const int c = flip & 1 ? kInnerCols - 1 - col : col;
            const int r = flip & 2 ? kInnerRows - 1 - row : row;
            const TileKind* here = a.tiles[static_cast<size_t>(row * kInnerCols + col)];
            const TileKind* there = b.tiles[static_cast<size_t>(r * kInnerCols + c)];
            l.differ += here != there;
            drawn += here != a.floor || there != a.floor;
        }
    l.alike = l.differ <= kAlikeSquares || l.differ * kAlikeShare <= drawn;
    return l;
}

}  // namespace

std::vector<std::string> CheckLikeness(const std::vector<LevelFile>& levels) {
    std::vector<Room> rooms;
    for (const LevelFile& level : levels) {
        if (!level.Ok()) continue;
        for (int rr = 1; rr <= level.RoomsDown(); ++rr)
            for (int rc = 1; rc <= level.RoomsAcross(); ++rc) {
                Room room{&level, rc, rr, {}, KindOf(code::Floor)};
                for (int row = 0; row < kInnerRows; ++row)
                    for (int col = 0; col < kInnerCols; ++col)
                        room.tiles[static_cast<size_t>(row * kInnerCols + col)] =
                            KindOf(level.At(rc, rr, col + 2, row + 2));
                rooms.push_back(room);
            }
    }
    // Each room against the rooms before it: one line naming the most alike.
    std::vector<std::string> problems;
    for (size_t j = 1; j < rooms.size(); ++j) {
        const Room& a = rooms[j];
        const Room* closest = nullptr;
        int fewest = kInnerSquares + 1, how = 0, alike = 0;
        for (size_t i = 0; i < j; ++i) {
            bool counted = false;
            for (int flip = 0; flip < 4; ++flip) {
                const Likeness l = Compare(a, rooms[i], flip);
                if (!l.alike) continue;
                alike += !counted;
                counted = true;
                if (l.differ < fewest) fewest = l.differ, how = flip, closest = &rooms[i];
            }
        }
        if (!closest) continue;
        Report report(a.level->name);
        report.Add(
            {a.rc, a.rr},
            "reads as " + RoomText(closest->rc, closest->rr) +
                (closest->level == a.level ? "" : " of " + closest->level->name) + kFlipNames[how] +
                ": " +
                (fewest ? "only " + std::to_string(fewest) + " of the " +
                              std::to_string(kInnerSquares) + " squares inside the edges differ"
                        : std::string("every square inside the edges is the same")) +
                (alike == 2 ? "; one more room before it is alike too"
                 : alike > 2
                     ? "; " + std::to_string(alike - 1) + " more rooms before it are alike too"
                     : "") +
                "; make each room its own");
        problems.push_back(report.Take().front());
    }
    return problems;
}

}  // namespace murk
