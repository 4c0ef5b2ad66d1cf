// What the level checks need to know about each tile: how a player gets past it and its name.
#pragma once

#include <string>
#include <string_view>

namespace murk {

// Compass directions 1..8 (1 north, clockwise) as column and row steps.
struct Step {
    int dc, dr;
};
Step DirectionStep(int direction);
const char* DirectionName(int direction);  // "north", "north-east", ...

// Laser producers: the set 1..4 (0 for any other tile) and the direction 1..8 they face.
int LaserProducerSet(std::string_view code);
int LaserProducerDirection(std::string_view code);

// Tiles that breed, grow or spread into the next room when they stand on a room's edge.
bool Breeds(std::string_view code);

// Tiles that hurt a player who comes near: creatures (the star among them), producers, fire-dart
// and laser producers and fire darts.
bool IsHostile(std::string_view code);

// Walls that stay where they are drawn: no bullet, blast or dart removes them. Shared edges are
// closed with these.
bool IsLastingWall(std::string_view code);

// Squares a slide may send a player to: the player lands there and stays alive.
bool IsStandable(std::string_view code);

// Squares a player gets onto or through sooner or later without a key: floor, items, fields,
// creatures and producers a bullet removes, walls a bullet breaks or burns, pig producers young
// enough to eat, beams that go out. Doors are left to the key count.
bool IsPassable(std::string_view code);

// A designer's name for a tile with its code, e.g. "solid wall '#' (A32)" or
// "laser producer, set 2, facing north (A80)".
std::string Describe(std::string_view code);

// The same with "a" or "an" before it: "an ant 'a' (A02)".
std::string DescribeOne(std::string_view code);

}  // namespace murk
