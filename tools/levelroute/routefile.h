// Route files: the short list of moves a level designer writes for the route tool.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace murk::route {

// One route line: its verb and numbers. Directions are kept as numbers 1..8 (N, NE, ... NW).
struct RouteStep {
    int line = 0;      // line number in the route file
    std::string text;  // the line as written, for messages and the script's comments
    std::string verb;  // goto, finish, shoot, wait, bomb, kit, player, down, up, tick
    std::vector<int> args;
};

struct Route {
    std::vector<std::string> about;  // the comment lines before the first step
    std::vector<RouteStep> steps;
};

// Parses a route; every mistake is added to `errors` as "line N: message".
Route ParseRoute(std::istream& in, std::vector<std::string>& errors);

// 1..8 for N, NE, E, SE, S, SW, W, NW (any case) or a digit 1..8; 0 otherwise.
int ParseDirection(const std::string& word);

// "N", "NE", ... for 1..8.
const char* DirectionName(int dir);

}  // namespace murk::route
