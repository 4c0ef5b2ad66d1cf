// Rule family for supplies on the way to the finish: a health kit within reach before the first
// room of the way that holds anything hostile.
#include "base/tiles.h"
#include "levelcheck/checks.h"
#include "levelcheck/tileclass.h"
#include "levelcheck/walk.h"

namespace murk {

namespace {

// The first hostile square of a room, in reading order; -1 when it holds none.
int FirstHostile(const Walk& walk, int room) {
    for (int p = 0; p < walk.Squares(); ++p)
        if (walk.RoomOf(p) == room && IsHostile(walk.Code(p))) return p;
    return -1;
}

}  // namespace

void CheckSupplies(const Walk& walk, int start, const std::vector<bool>& opened,
                   const std::vector<int>& way, bool kitsTaught, Report& report) {
    if (!kitsTaught) return;
    // The first room the way enters that holds a hostile tile.
    int hostile = -1;
    std::vector<bool> seen(static_cast<size_t>(walk.Rooms()), false);
    for (int p : way) {
        const int room = walk.RoomOf(p);
        if (seen[static_cast<size_t>(room)]) continue;
        seen[static_cast<size_t>(room)] = true;
        if ((hostile = FirstHostile(walk, room)) >= 0) break;
    }
    if (hostile < 0) return;
    // A kit reached without entering that room; when it is the start room, inside it.
    const int pressed = walk.RoomOf(hostile), startRoom = walk.RoomOf(start);
    std::vector<bool> rooms(static_cast<size_t>(walk.Rooms()), pressed != startRoom);
    rooms[static_cast<size_t>(pressed)] = pressed == startRoom;
    const Walk::Result before = walk.Flood(start, opened, &rooms);
    for (int p = 0; p < walk.Squares(); ++p)
        if (before.reached[static_cast<size_t>(p)] && walk.Code(p) == code::HealthKit) return;
    report.Add(walk.At(hostile),
               "the way to the finish meets " + DescribeOne(walk.Code(hostile)) +
                   " in this room, and no health kit lies within reach of the start before it; "
                   "put one in the start room or on the way before this room");
}

}  // namespace murk
