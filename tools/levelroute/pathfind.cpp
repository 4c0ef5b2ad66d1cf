// Dijkstra over the level's squares with the route's view of every tile.
#include "pathfind.h"

#include <algorithm>
#include <array>
#include <map>
#include <queue>
#include <string_view>

#include "base/tiles.h"

namespace murk::route {

namespace {

struct Policy {
    std::string_view code;
    Way way;
    int hits;
};

// Tiles not listed block. Hits follow the bullet impacts: each shot steps a creature down once.
constexpr std::array<Policy, 33> kPolicies = {{
    {"A00", Way::Walk, 0},
    {"A37", Way::Walk, 0},
    {"A38", Way::Walk, 0},
    {"A29", Way::Walk, 0},
    {"A41", Way::Walk, 0},
    {"A43", Way::Walk, 0},
    {"A45", Way::Walk, 0},
    {"A12", Way::Walk, 0},
    {"A13", Way::Walk, 0},
    {"A14", Way::Walk, 0},
    {"A15", Way::Walk, 0},
    {"A44", Way::Block, 0},
    {"A28", Way::Door, 0},
    {"B28", Way::Transport, 0},
    {"A02", Way::Shoot, 1},
    {"A04", Way::Shoot, 2},
    {"A06", Way::Shoot, 3},
    {"A07", Way::Shoot, 4},
    {"A09", Way::Shoot, 1},
    {"A11", Way::Shoot, 1},
    {"A01", Way::Shoot, 1},
    {"A03", Way::Shoot, 2},
    {"A05", Way::Shoot, 3},
    {"A08", Way::Shoot, 1},
    {"A18", Way::Shoot, 1},
    {"A31", Way::Shoot, 3},
    {"A36", Way::Shoot, 1},
    {"A33", Way::Shoot, 1},
    {"A34", Way::Shoot, 1},
    {"B29", Way::Shoot, 1},
    {"B30", Way::Shoot, 1},
    {"A10", Way::Shoot, 12},  // bursts into new producers: only when
                              // nothing else will do
    {"A42", Way::Shoot, 10},  // a heart turns into a chigger first
}};

int SlideLetter(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
    if (c >= 'a' && c <= 'c') return c - 'a' + 27;
    return 30;
}

// Laser producers of the four sets face 1..8: the square in front is flashed now and then.
int LaserFacing(const std::string& c) {
    const int i = TileIndex(c);
    for (int first : {20, 80, 96, 112})
        if (i >= first && i < first + 8) return i - first + 1;
    return 0;
}

bool Straight(int dir) {
    return dir % 2 == 1;
}

}  // namespace

TileWay HowToPass(const std::string& code) {
    if (!code.empty() && code[0] == 'Z') return {Way::Slide, 0, 1};
    // Looked up by catalogue index: the planner asks for every square of the level at each step.
    static const std::array<TileWay, kTileCount> table = [] {
        std::array<TileWay, kTileCount> t{};
        for (const Policy& p : kPolicies)
            t[static_cast<size_t>(TileIndex(p.code))] = {p.way, p.hits, 1 + p.hits * 3};
        // Bullets in flight (either player's) are gone a tick later; darts fly on and beams go
        // out within 16 passes. The look-ahead keeps the player off them meanwhile.
        for (int i = 48; i <= 63; ++i) t[static_cast<size_t>(i)] = {Way::Walk, 0, 2};
        for (int i = 64; i <= 71; ++i) t[static_cast<size_t>(i)] = {Way::Walk, 0, 8};
        for (int first : {72, 88, 104, 120})
            for (int i = first; i < first + 8; ++i) t[static_cast<size_t>(i)] = {Way::Walk, 0, 8};
        return t;
    }();
    const int i = TileIndex(code);
    return i < 0 ? TileWay{} : table[static_cast<size_t>(i)];
}

bool ShootOnSight(const std::string& code) {
    static constexpr std::array<std::string_view, 16> kTargets = {
        "A02", "A04", "A06", "A07", "A09", "A11", "A01", "A03",
        "A05", "A08", "A18", "A31", "A12", "A13", "A14", "A15"};
    return std::ranges::find(kTargets, code) != kTargets.end();
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
                        while (map.Cell(land) == "B28") {
                            const Spot next = Step(land, dir);
                            if (!map.Inside(next) || !LevelMap::SameRoom(next, t)) break;
                            land = next;
                        }
                        const Way lw = wayAt(land).way;
                        if (map.Cell(land) == "B28" ||
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
                            rs.roomCol, rs.roomRow, {SlideLetter(c[1]), SlideLetter(c[2])});
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
