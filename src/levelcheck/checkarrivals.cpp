// Rule family for arrivals: nothing hostile waits next to a square where players come into a
// room, their start squares included.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "base/tiles.h"
#include "levelcheck/checks.h"
#include "levelcheck/squares.h"
#include "levelcheck/tileclass.h"

namespace murk {

namespace {

constexpr int kSafeDistance = 4;  // king moves: a hostile tile this close or closer is reported

// A square players arrive on and how a message names it.
struct Arrival {
    Where square;
    std::string text;
};

int KingDistance(const Where& a, const Where& b) {
    return std::max(std::abs(a.col - b.col), std::abs(a.row - b.row));
}

std::vector<Arrival> Arrivals(const LevelFile& level) {
    std::vector<Arrival> arrivals;
    const GridHeader& h = level.header;
    const int rc = h[levelheader::kStartRoomCol], rr = h[levelheader::kStartRoomRow];
    for (int player = 1; player <= 2; ++player) {
        const Where w{rc, rr, h[player == 1 ? levelheader::kP1Col : levelheader::kP2Col],
                      h[player == 1 ? levelheader::kP1Row : levelheader::kP2Row]};
        arrivals.push_back({w, "player " + std::to_string(player) + "'s start square at " +
                                   SquareText(w.col, w.row)});
    }
    ForEachCrossing(level, [&](const Where& from, const Where& to) {
        arrivals.push_back({to, SquareText(to.col, to.row) + ", where players arrive from " +
                                    RoomText(from.roomCol, from.roomRow)});
    });
    return arrivals;
}

}  // namespace

void CheckArrivals(const LevelFile& level, Report& report) {
    const std::vector<Arrival> arrivals = Arrivals(level);
    ForEachSquare(level, [&](int rc, int rr, int col, int row, std::string_view code) {
        if (!IsHostile(code)) return;
        const Where here{rc, rr, col, row};
        // One line per hostile tile, naming the nearest square it threatens.
        const Arrival* nearest = nullptr;
        for (const Arrival& a : arrivals) {
            if (a.square.roomCol != rc || a.square.roomRow != rr) continue;
            const int d = KingDistance(a.square, here);
            if (d > kSafeDistance) continue;
            if (!nearest || KingDistance(nearest->square, here) > d) nearest = &a;
        }
        if (!nearest) return;
        const int d = KingDistance(nearest->square, here);
        report.Add(here, DescribeOne(code) + " stands " + std::to_string(d) + " square" +
                             (d == 1 ? "" : "s") + " from " + nearest->text +
                             "; keep creatures, producers, stars, darts and lasers at least " +
                             std::to_string(kSafeDistance + 1) +
                             " squares (king moves) from where players start or arrive");
    });
}

}  // namespace murk
