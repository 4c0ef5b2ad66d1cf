// Rule family for rooms with no reason to be entered: nothing but floor and walls, and not the
// way to a room that has more.
#include <deque>
#include <vector>

#include "base/tilekinds.h"
#include "levelcheck/checks.h"
#include "levelcheck/squares.h"

namespace murk {

namespace {

bool GivesAReason(std::string_view code) {
    const TileKind* kind = KindOf(code);
    return code != code::Floor && kind && kind->family != TileFamily::Walls;
}

class RoomGraph {
public:
    explicit RoomGraph(const LevelFile& level)
        : across_(level.RoomsAcross()), links_(static_cast<size_t>(across_ * level.RoomsDown())) {
        ForEachCrossing(level, [&](const Where& from, const Where& to) {
            links_[static_cast<size_t>(Id(from))].push_back(Id(to));
        });
    }
    int Id(const Where& w) const { return (w.roomRow - 1) * across_ + w.roomCol - 1; }
    int Rooms() const { return static_cast<int>(links_.size()); }
    // The rooms reached from `start` by crossing edges, never entering `closed`.
    std::vector<bool> Reached(int start, int closed) const {
        std::vector<bool> reached(links_.size(), false);
        std::deque<int> todo{start};
        reached[static_cast<size_t>(start)] = true;
        while (!todo.empty()) {
            const int r = todo.front();
            todo.pop_front();
            for (int next : links_[static_cast<size_t>(r)])
                if (next != closed && !reached[static_cast<size_t>(next)]) {
                    reached[static_cast<size_t>(next)] = true;
                    todo.push_back(next);
                }
        }
        return reached;
    }

private:
    int across_;
    std::vector<std::vector<int>> links_;
};

}  // namespace

void CheckRoomPurpose(const LevelFile& level, Report& report) {
    const RoomGraph graph(level);
    std::vector<bool> reason(static_cast<size_t>(graph.Rooms()), false);
    ForEachSquare(level, [&](int rc, int rr, int, int, std::string_view code) {
        if (GivesAReason(code)) reason[static_cast<size_t>(graph.Id({rc, rr}))] = true;
    });
    const int start = graph.Id(
        {level.header[levelheader::kStartRoomCol], level.header[levelheader::kStartRoomRow]});
    if (start < 0 || start >= graph.Rooms()) return;  // reported with the start room
    const std::vector<bool> all = graph.Reached(start, -1);
    for (int room = 0; room < graph.Rooms(); ++room) {
        if (reason[static_cast<size_t>(room)]) continue;
        const std::vector<bool> without = graph.Reached(start, room);
        bool onTheWay = false;
        for (int other = 0; other < graph.Rooms(); ++other)
            onTheWay = onTheWay ||
                       (reason[static_cast<size_t>(other)] && all[static_cast<size_t>(other)] &&
                        !without[static_cast<size_t>(other)]);
        if (onTheWay) continue;
        report.Add({room % level.RoomsAcross() + 1, room / level.RoomsAcross() + 1},
                   "nothing to enter the room for: it holds no gold, item, creature, producer, "
                   "field, door, key or finish, and no room that does lies beyond it; give it "
                   "a reason to be entered");
    }
}

}  // namespace murk
