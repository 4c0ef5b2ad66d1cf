// Dijkstra over the level's squares with the route's view of every tile.
#include "pathfind.h"

#include <algorithm>
#include <array>
#include <map>
#include <queue>
#include <string_view>

#include "base/tilekinds.h"
#include "base/tiles.h"

namespace murk::route {

namespace {

// A horse producer bursts into new producers and a heart hatches a chigger: the way shoots
// through them only when nothing else will do.
struct LastResort {
    std::string_view code;
    int hits;
};
constexpr std::array<LastResort, 2> kLastResorts = {{{code::HorseProducer, 12}, {code::Heart, 10}}};

TileWay WayOf(const TileKind& kind) {
    switch (kind.passage) {
        case Passage::Walk:
            return {Way::Walk, 0, 1};
        case Passage::Door:
            return {Way::Door, 0, 1};
        case Passage::Transport:
            return {Way::Transport, 0, 1};
        case Passage::Slide:
            return {Way::Slide, 0, 1};
        case Passage::Shoot: {
            int hits = kind.shots;
            for (const LastResort& r : kLastResorts)
                if (r.code == kind.first) hits = r.hits;
            return {Way::Shoot, hits, 1 + hits * 3};
        }
        case Passage::Fleeting:
            // A player's bullet is gone a tick later; darts fly on and beams go out within 16
            // passes. The look-ahead keeps the player off them meanwhile.
            return {Way::Walk, 0, kind.family == TileFamily::DartsAndLasers ? 8 : 2};
        case Passage::MovesOn:  // the partner is passed by `yielding`; pigs are not waited for
        case Passage::Block:
            break;
    }
    return {};
}

// Laser producers of the four sets face 1..8: the square in front is flashed now and then.
int LaserFacing(const std::string& c) {
    for (const LaserSet& set : kLaserSets)
        if (const int facing = FamilyMember(c, set.firstProducer)) return facing;
    return 0;
}

bool Straight(int dir) {
    return dir % 2 == 1;
}

}  // namespace

TileWay HowToPass(const std::string& code) {
    // Looked up by catalogue index: the planner asks for every square of the level at each step.
    static const std::array<TileWay, kTileCount> table = [] {
        std::array<TileWay, kTileCount> t{};
        for (int i = 0; i < kTileCount; ++i)
            t[static_cast<size_t>(i)] = WayOf(*KindOf(TileCodeAt(i)));
        return t;
    }();
    const int i = TileIndex(code);
    return i < 0 ? TileWay{} : table[static_cast<size_t>(i)];
}

bool ShootOnSight(const std::string& code) {
    // Creatures and producers that bullets clear, or young pig producers; a horse producer
    // would burst into more.
    const TileKind* kind = KindOf(code);
    return kind &&
           (kind->family == TileFamily::Creatures || kind->family == TileFamily::Producers) &&
           (kind->passage == Passage::Shoot || kind->passage == Passage::Walk) &&
           code != code::HorseProducer;
}

PathResult FindPath(const LevelMap& map, Spot from, const std::vector<Spot>& goals, int keys,
                    Spot yielding) {
    PathResult result;
    const int w = map.Width(), h = map.Height();
    auto index = [w](Spot s) { return (s.row - 1) * w + s.col - 1; };
    if (!map.Inside(from) || goals.empty()) return result;
    // Squares in front of laser producers cost extra, so the way does not run along a beam line.
    std::vector<int> extra(static_cast<size_t>(w * h), 0);
    // Each square's way, looked up once: the search below visits each square eight times.
    std::vector<TileWay> ways(static_cast<size_t>(w * h));
    for (int row = 1; row <= h; ++row)
        for (int col = 1; col <= w; ++col)
            ways[static_cast<size_t>(index({col, row}))] = HowToPass(map.Cell({col, row}));
    auto wayAt = [&](Spot s) { return ways[static_cast<size_t>(index(s))]; };
    for (int row = 1; row <= h; ++row)
        for (int col = 1; col <= w; ++col)
            if (const int f = LaserFacing(map.Cell({col, row}))) {
                const Spot front = Step({col, row}, f);
                if (map.Inside(front) && LevelMap::SameRoom(front, {col, row}))
                    extra[static_cast<size_t>(index(front))] += 4;
            }
    std::vector<char> isGoal(static_cast<size_t>(w * h), 0);
    for (Spot g : goals)
        if (map.Inside(g)) isGoal[static_cast<size_t>(index(g))] = 1;

    constexpr int kInf = 1 << 30;
    std::vector<int> dist(static_cast<size_t>(w * h), kInf);
    std::vector<int> prev(static_cast<size_t>(w * h), -1);
    std::vector<Move> how(static_cast<size_t>(w * h));
    using Item = std::pair<int, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<>> open;
    dist[static_cast<size_t>(index(from))] = 0;
    open.push({0, index(from)});
    int reached = -1;
    while (!open.empty()) {
        const auto [d, at] = open.top();
        open.pop();
        if (d != dist[static_cast<size_t>(at)]) continue;
        if (isGoal[static_cast<size_t>(at)]) {
            reached = at;
            break;
        }
        const Spot s{at % w + 1, at / w + 1};
        for (int dir = 1; dir <= 8; ++dir) {
            Spot t = Step(s, dir);
            if (!map.Inside(t)) continue;
            int cost = 1;
            bool shoot = false;
            if (!LevelMap::SameRoom(s, t)) {
                // Walking off the edge puts the player on the facing square whatever it holds.
                if (!Straight(dir)) continue;
            } else {
                const TileWay way = t == yielding ? TileWay{Way::Walk, 0, 5} : wayAt(t);
                switch (way.way) {
                    case Way::Walk:
                        cost = way.cost;
                        break;
                    case Way::Door:
                        if (keys < 1) continue;
                        break;
                    case Way::Shoot:
                        cost = way.cost;
                        shoot = true;
                        break;
                    case Way::Transport: {
                        Spot land = t;
                        while (map.Cell(land) == code::Transport) {
                            const Spot next = Step(land, dir);
                            if (!map.Inside(next) || !LevelMap::SameRoom(next, t)) break;
                            land = next;
                        }
                        const Way lw = wayAt(land).way;
                        if (map.Cell(land) == code::Transport ||
                            !(lw == Way::Walk || lw == Way::Slide || (lw == Way::Door && keys > 0)))
                            continue;
                        t = land;
                        break;
                    }
                    case Way::Slide: {
                        const std::string& c = map.Cell(t);
                        if (c.size() < 3) continue;
                        const RoomSquare rs = LevelMap::ToRoom(t);
                        const Spot target = LevelMap::ToSpot(
                            rs.roomCol, rs.roomRow, {SlideTargetCol(c), SlideTargetRow(c)});
                        const TileWay tw = wayAt(target);
                        if (!(tw.way == Way::Walk || tw.way == Way::Transport ||
                              tw.way == Way::Slide))
                            continue;
                        t = target;
                        break;
                    }
                    case Way::Block:
                        continue;
                }
            }
            const int nd = d + cost + extra[static_cast<size_t>(index(t))];
            if (nd < dist[static_cast<size_t>(index(t))]) {
                dist[static_cast<size_t>(index(t))] = nd;
                prev[static_cast<size_t>(index(t))] = at;
                how[static_cast<size_t>(index(t))] = {dir, shoot, t};
                open.push({nd, index(t)});
            }
        }
    }
    if (reached < 0) return result;
    result.found = true;
    result.cost = dist[static_cast<size_t>(reached)];
    for (int at = reached; at != index(from); at = prev[static_cast<size_t>(at)])
        result.moves.push_back(how[static_cast<size_t>(at)]);
    std::reverse(result.moves.begin(), result.moves.end());
    return result;
}

}  // namespace murk::route
