// Rule family for the way through: from player 1's start to the finish across rooms, walking as
// the game walks (transport runs, slides, straight room changes), opening doors with the keys
// found so far.
#include <algorithm>
#include <deque>
#include <map>
#include <set>

#include "base/tiles.h"
#include "levelcheck/checks.h"
#include "levelcheck/tileclass.h"

namespace murk {

namespace {

constexpr int kRoomSquares = kRoomCols * kRoomRows;
constexpr int kMaxSearches = 4000;  // door orders tried before giving up

class Walk {
public:
    explicit Walk(const LevelFile& level) : level_(level) {
        const int squares = level.RoomsAcross() * level.RoomsDown() * kRoomSquares;
        codes_.resize(static_cast<size_t>(squares));
        burned_.assign(static_cast<size_t>(squares), false);
        for (int p = 0; p < squares; ++p) {
            const Where w = At(p);
            codes_[static_cast<size_t>(p)] = level.At(w.roomCol, w.roomRow, w.col, w.row);
        }
        for (int p = 0; p < squares; ++p) {
            const std::string& code = codes_[static_cast<size_t>(p)];
            bombs_ = bombs_ || code == code::Bomb;
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

    int Index(int rc, int rr, int col, int row) const {
        if (!level_.HasRoom(rc, rr) || col < 1 || col > kRoomCols || row < 1 || row > kRoomRows)
            return -1;
        return ((rr - 1) * level_.RoomsAcross() + rc - 1) * kRoomSquares + (row - 1) * kRoomCols +
               col - 1;
    }
    Where At(int p) const {
        const int room = p / kRoomSquares, sq = p % kRoomSquares;
        return {room % level_.RoomsAcross() + 1, room / level_.RoomsAcross() + 1,
                sq % kRoomCols + 1, sq / kRoomCols + 1};
    }
    const std::string& Code(int p) const { return codes_[static_cast<size_t>(p)]; }
    const std::vector<int>& Doors() const { return doors_; }
    int Squares() const { return static_cast<int>(codes_.size()); }

    // One flood from `start` with the doors in `opened` open.
    struct Result {
        std::vector<bool> reached;
        int keys = 0;
        std::set<int> shutDoors;  // door ids met but not opened
    };
    Result Flood(int start, const std::vector<bool>& opened) const {
        Result r;
        r.reached.assign(codes_.size(), false);
        std::deque<int> todo;
        auto visit = [&](int p) {
            if (r.reached[static_cast<size_t>(p)]) return;
            r.reached[static_cast<size_t>(p)] = true;
            r.keys += Code(p) == code::Key;
            todo.push_back(p);
        };
        // A square a player may end a step on; a shut door is remembered.
        auto enter = [&](int p) {
            if (p < 0) return false;
            if (auto door = doorIds_.find(p); door != doorIds_.end()) {
                if (!opened[static_cast<size_t>(door->second)]) r.shutDoors.insert(door->second);
                return opened[static_cast<size_t>(door->second)];
            }
            // A bomb's blast removes a fire-dart producer; no bullet does.
            return burned_[static_cast<size_t>(p)] || IsPassable(Code(p)) ||
                   (bombs_ && Code(p) == code::FireProducer);
        };
        visit(start);
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
                    const int arrival = Index(w.roomCol + s.dc, w.roomRow + s.dr,
                                              s.dc ? kRoomCols + 1 - w.col : w.col,
                                              s.dr ? kRoomRows + 1 - w.row : w.row);
                    if (enter(arrival)) visit(arrival);
                    continue;
                }
                const int landing = Landing(m, s, w);
                if (landing >= 0 && enter(landing)) visit(landing);
            }
        }
        return r;
    }

private:
    // Where a step onto square m in direction s ends: a transport run carries the player to
    // the square after it, a slide field to its target; -1 when the field puts the player back.
    int Landing(int m, Step s, Where from) const {
        const Where mw = At(m);
        if (Code(m) == code::Transport) {
            int c = mw.col, r = mw.row, p = m;
            while (p >= 0 && Code(p) == code::Transport) {
                c += s.dc;
                r += s.dr;
                p = Index(from.roomCol, from.roomRow, c, r);
            }
            return p;
        }
        if (IsSlideField(Code(m)))
            return Index(from.roomCol, from.roomRow, SlideTargetCol(Code(m)),
                         SlideTargetRow(Code(m)));
        return m;
    }

    const LevelFile& level_;
    std::vector<std::string> codes_;
    std::vector<bool> burned_;
    std::vector<int> doors_;
    std::map<int, int> doorIds_;
    bool bombs_ = false;  // the level holds a bomb to pick up
};

std::string PlaceText(const Where& w) {
    return SquareText(w.col, w.row) + " of " + RoomText(w.roomCol, w.roomRow);
}

}  // namespace

void CheckReach(const LevelFile& level, Report& report) {
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
        if (r.reached[static_cast<size_t>(finish)]) return;
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
    else
        why =
            "lasting walls (# X : |), death fields, adult pig producers, laser producers or "
            "dart producers with no bomb in the level close the way";
    report.Add(walk.At(finish), "the finish cannot be reached from player 1's start: " + why);
}

}  // namespace murk
