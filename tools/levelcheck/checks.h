// The validator's rule families, each adding its findings to the report.
#pragma once

#include "levelc/levelfile.h"
#include "levelcheck/report.h"

namespace murk {

// Title, level size, room strings of the right length, every code in the catalogue. False when
// the rooms cannot be read square by square, so the other checks are skipped.
bool CheckShape(const LevelFile& level, Report& report);

// Start room and start squares, the player tiles, one finish, keys for the doors.
void CheckStartAndFinish(const LevelFile& level, Report& report);

// Slide targets and laser producers, which act on other squares of their room.
void CheckSlidesAndLasers(const LevelFile& level, Report& report);

// The outer border, shared edges, openings and producers on edges.
void CheckEdges(const LevelFile& level, Report& report);

// The finish, and player 2's start square, reachable from player 1's start.
void CheckReach(const LevelFile& level, Report& report);

}  // namespace murk
