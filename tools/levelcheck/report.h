// Collects a level's problems as lines that name the level, the room and the square.
#pragma once

#include <string>
#include <vector>

namespace murk {

struct Where {
    int roomCol = 0, roomRow = 0;  // 0: the level as a whole
    int col = 0, row = 0;          // 0: the room as a whole
};

inline std::string RoomText(int roomCol, int roomRow) {
    return "room " + std::to_string(roomCol) + " " + std::to_string(roomRow);
}

inline std::string SquareText(int col, int row) {
    return "column " + std::to_string(col) + " row " + std::to_string(row);
}

class Report {
public:
    explicit Report(std::string level) : level_(std::move(level)) {}

    void Add(const Where& at, const std::string& message) {
        std::string line = level_ + ": ";
        if (at.roomCol) line += RoomText(at.roomCol, at.roomRow) + ", ";
        if (at.roomCol && at.col) line += SquareText(at.col, at.row) + ", ";
        line.resize(line.size() - 2);
        lines_.push_back(line + ": " + message);
    }
    std::vector<std::string> Take() { return std::move(lines_); }

private:
    std::string level_;
    std::vector<std::string> lines_;
};

}  // namespace murk
