// The walk the reach and supply checks share: a level's squares as one list, flooded from a start
// square as a player moves (eight directions inside a room, straight across edges, transport runs
// and slides), through the doors a caller opens.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "levelcheck/report.h"
#include "levelsource/levelfile.h"

namespace murk {

class Walk {
public:
    explicit Walk(const LevelFile& level);

    // A square's place in the list; -1 off the level.
    int Index(int rc, int rr, int col, int row) const;
    Where At(int p) const;
    int RoomOf(int p) const;  // 0 .. rooms - 1, row by row
    int Rooms() const;
    const std::string& Code(int p) const { return codes_[static_cast<size_t>(p)]; }
    const std::vector<int>& Doors() const { return doors_; }
    int Squares() const { return static_cast<int>(codes_.size()); }

    struct Result {
        std::vector<bool> reached;
        std::vector<int> from;  // the square each reached square was first entered from; -1
        int keys = 0, bombs = 0;
        std::set<int> shutDoors;  // door ids met but not opened
        int shutDart = -1;        // a fire-dart producer met with no bomb picked up before it
    };
    // One flood from `start` with the doors in `opened` open, inside the rooms marked in `rooms`
    // (every room when null). A fire-dart producer gives way once a bomb has been picked up.
    Result Flood(int start, const std::vector<bool>& opened,
                 const std::vector<bool>* rooms = nullptr) const;

private:
    Result FloodOnce(int start, const std::vector<bool>& opened, const std::vector<bool>* rooms,
                     bool armed) const;
    int Landing(int m, int dc, int dr, Where from) const;

    const LevelFile& level_;
    std::vector<std::string> codes_;
    std::vector<bool> burned_;
    std::vector<int> doors_;
    std::map<int, int> doorIds_;
};

// The squares of the way the flood found from its start to `to`, in order.
std::vector<int> WayTo(const Walk::Result& flood, int to);

// "column 5 row 7 of room 2 1"
std::string PlaceText(const Where& w);

}  // namespace murk
