// The flood over a level's squares that the reach and supply checks share.
#include "levelcheck/walk.h"

#include <algorithm>
#include <deque>

#include "base/tiles.h"
#include "levelcheck/squares.h"
#include "levelcheck/tileclass.h"

namespace murk {

namespace {

constexpr int kRoomSquares = kRoomCols * kRoomRows;

}  // namespace

Walk::Walk(const LevelFile& level) : level_(level) {
    const int squares = level.RoomsAcross() * level.RoomsDown() * kRoomSquares;
    codes_.resize(static_cast<size_t>(squares));
    burned_.assign(static_cast<size_t>(squares), false);
    for (int p = 0; p < squares; ++p) {
        const Where w = At(p);
        codes_[static_cast<size_t>(p)] = level.At(w.roomCol, w.roomRow, w.col, w.row);
    }
    for (int p = 0; p < squares; ++p) {
        const std::string& code = codes_[static_cast<size_t>(p)];
        if (code == code::Door) {
            doorIds_[p] = static_cast<int>(doors_.size());
            doors_.push_back(p);
        }
        // A laser's first flash turns whatever stands in front of it into floor.
        if (const int d = LaserProducerDirection(code)) {
            const Where w = At(p);
            const Step s = DirectionStep(d);
            const int front = Index(w.roomCol, w.roomRow, w.col + s.dc, w.row + s.dr);
            if (front >= 0) burned_[static_cast<size_t>(front)] = true;
        }
    }
}

int Walk::Index(int rc, int rr, int col, int row) const {
    if (!level_.HasRoom(rc, rr) || col < 1 || col > kRoomCols || row < 1 || row > kRoomRows)
        return -1;
    return ((rr - 1) * level_.RoomsAcross() + rc - 1) * kRoomSquares + (row - 1) * kRoomCols + col -
           1;
}

Where Walk::At(int p) const {
    const int room = p / kRoomSquares, sq = p % kRoomSquares;
    return {room % level_.RoomsAcross() + 1, room / level_.RoomsAcross() + 1, sq % kRoomCols + 1,
            sq / kRoomCols + 1};
}

int Walk::RoomOf(int p) const {
    return p / kRoomSquares;
}

int Walk::Rooms() const {
    return Squares() / kRoomSquares;
}

Walk::Result Walk::Flood(int start, const std::vector<bool>& opened,
                         const std::vector<bool>* rooms) const {
    Result r = FloodOnce(start, opened, rooms, false);
    // A bomb picked up on the way blows a fire-dart producer away; no bullet does.
    if (r.bombs && r.shutDart >= 0) r = FloodOnce(start, opened, rooms, true);
    return r;
}

Walk::Result Walk::FloodOnce(int start, const std::vector<bool>& opened,
                             const std::vector<bool>* rooms, bool armed) const {
    Result r;
    r.reached.assign(codes_.size(), false);
    r.from.assign(codes_.size(), -1);
    std::deque<int> todo;
    auto visit = [&](int p, int from) {
        if (r.reached[static_cast<size_t>(p)]) return;
        r.reached[static_cast<size_t>(p)] = true;
        r.from[static_cast<size_t>(p)] = from;
        r.keys += Code(p) == code::Key;
        r.bombs += Code(p) == code::Bomb;
        todo.push_back(p);
    };
    // A square a player may end a step on; a shut door or dart producer is remembered.
    auto enter = [&](int p) {
        if (p < 0 || (rooms && !(*rooms)[static_cast<size_t>(RoomOf(p))])) return false;
        if (auto door = doorIds_.find(p); door != doorIds_.end()) {
            if (!opened[static_cast<size_t>(door->second)]) r.shutDoors.insert(door->second);
            return opened[static_cast<size_t>(door->second)];
        }
        if (Code(p) == code::FireProducer && !burned_[static_cast<size_t>(p)]) {
            if (!armed && r.shutDart < 0) r.shutDart = p;
            return armed;
        }
        return burned_[static_cast<size_t>(p)] || IsPassable(Code(p));
    };
    visit(start, -1);
    while (!todo.empty()) {
        const int p = todo.front();
        todo.pop_front();
        if (Code(p) == code::Finish) continue;  // the finish takes the player off the board
        const Where w = At(p);
        for (int d = 1; d <= 8; ++d) {
            const Step s = DirectionStep(d);
            const int m = Index(w.roomCol, w.roomRow, w.col + s.dc, w.row + s.dr);
            if (m < 0) {
                // Two players change rooms only straight, side by side.
                if (s.dc && s.dr) continue;
                const Where to = AcrossEdge(w, s);
                const int arrival = Index(to.roomCol, to.roomRow, to.col, to.row);
                if (enter(arrival)) visit(arrival, p);
                continue;
            }
            const int landing = Landing(m, s.dc, s.dr, w);
            if (landing >= 0 && enter(landing)) visit(landing, p);
        }
    }
    return r;
}

// Where a step onto square m in direction (dc, dr) ends: a transport run carries the player to
// the square after it, a slide field to its target; -1 when the field puts the player back.
int Walk::Landing(int m, int dc, int dr, Where from) const {
    const Where mw = At(m);
    if (Code(m) == code::Transport) {
        int c = mw.col, r = mw.row, p = m;
        while (p >= 0 && Code(p) == code::Transport) {
            c += dc;
            r += dr;
            p = Index(from.roomCol, from.roomRow, c, r);
        }
        return p;
    }
    if (IsSlideField(Code(m)))
        return Index(from.roomCol, from.roomRow, SlideTargetCol(Code(m)), SlideTargetRow(Code(m)));
    return m;
}

std::vector<int> WayTo(const Walk::Result& flood, int to) {
    std::vector<int> way;
    for (int p = to; p >= 0 && flood.reached[static_cast<size_t>(p)];
         p = flood.from[static_cast<size_t>(p)])
        way.push_back(p);
    std::reverse(way.begin(), way.end());
    return way;
}

std::string PlaceText(const Where& w) {
    return SquareText(w.col, w.row) + " of " + RoomText(w.roomCol, w.roomRow);
}

}  // namespace murk
