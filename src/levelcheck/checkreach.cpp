// Rule family for the way through: from player 1's start to the finish across rooms, walking as
// the game walks, opening doors with the keys found so far and blowing fire-dart producers away
// with a bomb found before them; then the supplies on that way.
#include <algorithm>
#include <set>

#include "base/tiles.h"
#include "levelcheck/checks.h"
#include "levelcheck/walk.h"

namespace murk {

namespace {

constexpr int kMaxSearches = 4000;  // door orders tried before giving up

}  // namespace

void CheckReach(const LevelFile& level, Report& report, bool kitsTaught) {
    const GridHeader& h = level.header;
    Walk walk(level);
    const int rc = h[levelheader::kStartRoomCol], rr = h[levelheader::kStartRoomRow];
    const int start = walk.Index(rc, rr, h[levelheader::kP1Col], h[levelheader::kP1Row]);
    const int p2 = walk.Index(rc, rr, h[levelheader::kP2Col], h[levelheader::kP2Row]);
    if (start < 0 || p2 < 0) return;  // reported with the start squares
    std::vector<bool> none(walk.Doors().size(), false);
    if (!walk.Flood(start, none).reached[static_cast<size_t>(p2)])
        report.Add(walk.At(p2), "player 2's start square is walled off from player 1's");

    int finish = -1, finishes = 0;
    for (int p = 0; p < walk.Squares(); ++p)
        if (walk.Code(p) == code::Finish) {
            finish = p;
            ++finishes;
        }
    if (finishes != 1) return;  // reported with the finish

    // Tries the doors in every order the keys allow, each set of open doors once.
    std::set<std::vector<bool>> tried;
    std::vector<std::vector<bool>> todo{none};
    Walk::Result best;
    size_t bestCount = 0;
    while (!todo.empty() && static_cast<int>(tried.size()) < kMaxSearches) {
        const std::vector<bool> opened = todo.back();
        todo.pop_back();
        if (!tried.insert(opened).second) continue;
        Walk::Result r = walk.Flood(start, opened);
        if (r.reached[static_cast<size_t>(finish)]) {
            CheckSupplies(walk, start, opened, WayTo(r, finish), kitsTaught, report);
            return;
        }
        const size_t count =
            static_cast<size_t>(std::count(r.reached.begin(), r.reached.end(), true));
        const int spare = r.keys - static_cast<int>(std::count(opened.begin(), opened.end(), true));
        if (count >= bestCount) {
            bestCount = count;
            best = r;
        }
        if (spare < 1) continue;
        for (int door : r.shutDoors) {
            std::vector<bool> more = opened;
            more[static_cast<size_t>(door)] = true;
            if (!tried.count(more)) todo.push_back(more);
        }
    }
    std::string why;
    if (!todo.empty())
        why = "there are too many doors to try every order in which the keys could open them";
    else if (!best.shutDoors.empty())
        why = "the way stops at a door with no key left for it, first at " +
              PlaceText(walk.At(walk.Doors()[static_cast<size_t>(*best.shutDoors.begin())])) +
              "; put a key on the way before it";
    else if (best.shutDart >= 0)
        why = "the way stops at a fire-dart producer with no bomb picked up before it, first at " +
              PlaceText(walk.At(best.shutDart)) + "; put a bomb on the way before it";
    else
        why =
            "lasting walls (# X : |), death fields, adult pig producers or laser producers close "
            "the way";
    report.Add(walk.At(finish), "the finish cannot be reached from player 1's start: " + why);
}

}  // namespace murk
