// Collects a level's problems, each with the room and the square it names.
#pragma once

#include <string>
#include <utility>
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

// One problem: where it is (room and square as the level sources count them, 0 where the problem
// is the whole level or the whole room) and what is wrong there.
struct LevelProblem {
    Where where;
    std::string message;
};

// "room 2 1, column 30 row 5: message", "room 2 1: message" or the message alone.
inline std::string ProblemText(const LevelProblem& p) {
    std::string text;
    if (p.where.roomCol) text += RoomText(p.where.roomCol, p.where.roomRow) + ", ";
    if (p.where.roomCol && p.where.col) text += SquareText(p.where.col, p.where.row) + ", ";
    if (!text.empty()) text.resize(text.size() - 2);
    return text.empty() ? p.message : text + ": " + p.message;
}

class Report {
public:
    explicit Report(std::string level) : level_(std::move(level)) {}

    void Add(const Where& at, const std::string& message) { problems_.push_back({at, message}); }
    // "Level003.lvl: room 2 1, column 30 row 5: message", one line a problem.
    std::vector<std::string> Take() {
        std::vector<std::string> lines;
        for (const LevelProblem& p : problems_) lines.push_back(level_ + ": " + ProblemText(p));
        problems_.clear();
        return lines;
    }
    std::vector<LevelProblem> TakeProblems() { return std::move(problems_); }

private:
    std::string level_;
    std::vector<LevelProblem> problems_;
};

}  // namespace murk
