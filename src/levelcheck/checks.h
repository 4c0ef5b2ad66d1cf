// The validator's rule families, each adding its findings to the report.
#pragma once

#include <vector>

#include "levelcheck/report.h"
#include "levelsource/levelfile.h"

namespace murk {

class Walk;

// Title, level size, room strings of the right length, every code in the catalogue. False when
// the rooms cannot be read square by square, so the other checks are skipped.
bool CheckShape(const LevelFile& level, Report& report);

// Start room and start squares, the player tiles, one finish, keys for the doors.
void CheckStartAndFinish(const LevelFile& level, Report& report);

// Slide targets and laser producers, which act on other squares of their room.
void CheckSlidesAndLasers(const LevelFile& level, Report& report);

// The outer border, shared edges, openings and producers on edges.
void CheckEdges(const LevelFile& level, Report& report);

// The finish, and player 2's start square, reachable from player 1's start; then the supplies
// on the way (CheckSupplies). Health kits are asked for only where `kitsTaught`.
void CheckReach(const LevelFile& level, Report& report, bool kitsTaught);

// A health kit within reach before the first room of the finishing way that holds a hostile
// tile: in the start room when that room holds one, else anywhere reached without entering it.
void CheckSupplies(const Walk& walk, int start, const std::vector<bool>& opened,
                   const std::vector<int>& way, bool kitsTaught, Report& report);

// No creature, producer, star, dart or laser within 4 squares (king moves) of a start square or
// of a square where players arrive from the next room.
void CheckArrivals(const LevelFile& level, Report& report);

// Every room holds something to enter it for (anything but floor and walls), or is the only way
// to a room that does.
void CheckRoomPurpose(const LevelFile& level, Report& report);

}  // namespace murk
