// The level source parser: header lines, legend, room drawings and slide targets.
#include "levelsource/levelsource.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

#include "base/tilekinds.h"
#include "base/tiles.h"
#include "levelsource/legend.h"

namespace murk {

namespace {

struct Square {
    int col = 0;
    int row = 0;
    auto operator<=>(const Square&) const = default;
};

// A header value and the line that gave it; line 0 means the source never gave it.
struct PairLine {
    Square value;
    int line = 0;
};

struct SlideLine {
    Square target;
    int line = 0;
};

struct RoomSource {
    int line = 0;  // the "room C R" heading
    std::vector<std::string> rows;
    std::vector<int> rowLines;
    std::map<Square, SlideLine> slides;  // keyed by the slide field's square
};

struct HeaderSource {
    std::string title;
    int titleLine = 0;
    PairLine size, start, player1, player2;
};

// The header lines that carry two numbers.
struct PairDirective {
    const char* word;
    PairLine HeaderSource::*field;
};
constexpr PairDirective kPairDirectives[] = {
    {"size", &HeaderSource::size},
    {"start", &HeaderSource::start},
    {"player1", &HeaderSource::player1},
    {"player2", &HeaderSource::player2},
};

struct PlayerTile {
    std::string_view code;
    PairLine HeaderSource::*start;
    int headerCol;
    int headerRow;
    const char* who;
};
constexpr PlayerTile kPlayerTiles[] = {
    {code::Player1, &HeaderSource::player1, levelheader::kP1Col, levelheader::kP1Row, "player 1"},
    {code::Player2, &HeaderSource::player2, levelheader::kP2Col, levelheader::kP2Row, "player 2"},
};

std::string Trim(std::string_view s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string_view::npos) return {};
    const size_t e = s.find_last_not_of(" \t\r");
    return std::string(s.substr(b, e - b + 1));
}

std::vector<std::string> Words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool ToInt(const std::string& s, int& out) {
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, out);
    return ec == std::errc() && p == end;
}

std::string RoomName(Square room) {
    return "room " + std::to_string(room.col) + " " + std::to_string(room.row);
}

std::string SquareName(Square sq) {
    return "column " + std::to_string(sq.col) + " row " + std::to_string(sq.row);
}

bool InRoom(Square sq) {
    return sq.col >= 1 && sq.col <= kRoomCols && sq.row >= 1 && sq.row <= kRoomRows;
}

class Parser {
public:
    Parser(const std::string& text, std::string name) : name_(std::move(name)) {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines_.push_back(line);
        }
    }

    LevelSourceResult Run() {
        for (size_t i = 0; i < lines_.size();) i = Line(i);
        Build();
        std::stable_sort(errors_.begin(), errors_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [line, message] : errors_)
            result_.errors.push_back(name_ + ":" + std::to_string(line) + ": " + message);
        return std::move(result_);
    }

private:
    void Error(int line, std::string message) { errors_.emplace_back(line, std::move(message)); }
    int EndLine() const { return std::max(1, static_cast<int>(lines_.size())); }

    using Handler = size_t (Parser::*)(size_t i, const std::vector<std::string>& words,
                                       const std::string& text);
    struct Directive {
        const char* word;
        Handler handler;
    };

    // Handles the line at index i; returns the index of the next line to read.
    size_t Line(size_t i) {
        static constexpr Directive kDirectives[] = {
            {"title", &Parser::Title},      {"size", &Parser::Pair},
            {"start", &Parser::Pair},       {"player1", &Parser::Pair},
            {"player2", &Parser::Pair},     {"legend", &Parser::LegendLine},
            {"room", &Parser::RoomHeading}, {"slide", &Parser::SlideDirective},
        };
        const std::string text = Trim(lines_[i].substr(0, lines_[i].find(';')));
        if (text.empty()) return i + 1;
        const std::vector<std::string> words = Words(text);
        for (const Directive& d : kDirectives)
            if (words[0] == d.word) return (this->*d.handler)(i, words, text);
        const int line = static_cast<int>(i) + 1;
        if (words.size() == 1 && text.size() == kRoomCols)
            Error(line, "a room row outside any room: a room is 19 rows under its 'room C R' line");
        else
            Error(line, "unknown line '" + words[0] +
                            "': expected title, size, start, player1, player2, legend, room "
                            "or slide");
        return i + 1;
    }

    size_t Title(size_t i, const std::vector<std::string>&, const std::string& text) {
        const int line = static_cast<int>(i) + 1;
        if (header_.titleLine) return Error(line, "a second title line"), i + 1;
        header_.title = Trim(text.substr(5));
        header_.titleLine = line;
        if (header_.title.empty()) Error(line, "the title is empty");
        if (header_.title.size() > kMaxTitleLength)
            Error(line,
                  "the title is longer than " + std::to_string(kMaxTitleLength) + " characters");
        return i + 1;
    }

    size_t Pair(size_t i, const std::vector<std::string>& words, const std::string&) {
        const int line = static_cast<int>(i) + 1;
        PairLine* field = nullptr;
        for (const PairDirective& d : kPairDirectives)
            if (words[0] == d.word) field = &(header_.*d.field);
        Square v;
        if (field->line)
            Error(line, "a second '" + words[0] + "' line");
        else if (words.size() != 3 || !ToInt(words[1], v.col) || !ToInt(words[2], v.row))
            Error(line, "'" + words[0] + "' takes two whole numbers: column and row");
        else
            *field = PairLine{v, line};
        return i + 1;
    }

    size_t LegendLine(size_t i, const std::vector<std::string>& words, const std::string&) {
        const int line = static_cast<int>(i) + 1;
        const int index = words.size() == 3 ? TileIndex(words[2]) : -1;
        if (words.size() != 3 || words[1].size() != 1)
            Error(line, "a legend line is 'legend CHAR CODE', e.g. 'legend L " +
                            std::string(code::Laser1Producer3) + "'");
        else if (!IsLegendChar(words[1][0]))
            Error(line, "'" + words[1] + "' cannot be a legend character");
        else if (words[2] == "slide")
            legend_[words[1][0]] = LegendEntry{};
        else if (words[2].size() != 3 || index < 0 || index == kSlideFieldIndex)
            Error(line,
                  "unknown tile code '" + words[2] + "': use " + TileCodeRanges() + " or 'slide'");
        else
            legend_[words[1][0]] = LegendEntry{words[2]};
        return i + 1;
    }

    size_t RoomHeading(size_t i, const std::vector<std::string>& words, const std::string&) {
        const int line = static_cast<int>(i) + 1;
        Square room;
        if (words.size() != 3 || !ToInt(words[1], room.col) || !ToInt(words[2], room.row)) {
            Error(line, "a room heading is 'room C R' with the room's column and row");
            currentRoom_ = nullptr;
            return i + 1;
        }
        RoomSource fresh;
        fresh.line = line;
        auto [it, added] = rooms_.emplace(room, fresh);
        if (!added) {
            Error(line, RoomName(room) + " is drawn twice; first at line " +
                            std::to_string(it->second.line));
            scratch_ = fresh;
            currentRoom_ = &scratch_;
        } else {
            currentRoom_ = &it->second;
        }
        return RoomRows(room, *currentRoom_, i + 1);
    }

    // Takes the room's rows: the next 19 lines that are not comments. A blank line or one with
    // spaces in it ends the drawing early.
    size_t RoomRows(Square room, RoomSource& source, size_t i) {
        for (; i < lines_.size() && source.rows.size() < kRoomRows; ++i) {
            const std::string row = Trim(lines_[i]);
            if (!row.empty() && row[0] == ';') continue;
            if (row.empty() || row.find_first_of(" \t") != std::string::npos) break;
            const int line = static_cast<int>(i) + 1;
            if (row.size() != kRoomCols)
                Error(line, RoomName(room) + ": row " + std::to_string(source.rows.size() + 1) +
                                " has " + std::to_string(row.size()) +
                                " characters; every row is 30");
            source.rows.push_back(row);
            source.rowLines.push_back(line);
        }
        if (source.rows.size() < kRoomRows)
            Error(source.line, RoomName(room) + " has " + std::to_string(source.rows.size()) +
                                   " rows; a room is 19 rows of 30 characters");
        return i;
    }

    size_t SlideDirective(size_t i, const std::vector<std::string>& words, const std::string&) {
        const int line = static_cast<int>(i) + 1;
        Square at, target;
        if (words.size() != 6 || words[3] != "->" || !ToInt(words[1], at.col) ||
            !ToInt(words[2], at.row) || !ToInt(words[4], target.col) ||
            !ToInt(words[5], target.row))
            Error(line, "a slide line is 'slide C R -> TC TR', all four numbers");
        else if (!currentRoom_)
            Error(line, "a slide line belongs under the room it is in");
        else if (!InRoom(at))
            Error(line, "the slide field's square " + SquareName(at) + " is off the room");
        else if (!InRoom(target))
            Error(line,
                  "bad slide target " + SquareName(target) + ": columns are 1..30 and rows 1..19");
        else if (auto [it, added] = currentRoom_->slides.emplace(at, SlideLine{target, line});
                 !added)
            Error(line, "a second target for the slide field at " + SquareName(at) +
                            "; the first is at line " + std::to_string(it->second.line));
        return i + 1;
    }

    void Build() {
        CheckHeader();
        if (!header_.size.line || !SizeOk()) return;
        const Square size = header_.size.value;
        for (const auto& [room, source] : rooms_)
            if (room.col < 1 || room.row < 1 || room.col > size.col || room.row > size.row)
                Error(source.line, RoomName(room) + " lies outside the level, which is " +
                                       std::to_string(size.col) + " rooms across and " +
                                       std::to_string(size.row) + " down");
        result_.grid.Resize(size.col + 1, size.row + 1);
        for (int c = 0; c <= size.col; ++c) result_.grid.SetColWidth(c, kLevelColumnWidth);
        result_.grid.SetCell(1, 0, header_.title);
        for (int r = 1; r <= size.row; ++r)
            for (int c = 1; c <= size.col; ++c) {
                auto it = rooms_.find(Square{c, r});
                if (it == rooms_.end())
                    Error(EndLine(), RoomName({c, r}) +
                                         " is missing; every room of the level "
                                         "must be drawn");
                else
                    result_.grid.SetCell(c, r, PackRoom(it->first, it->second));
            }
        CheckPlayers();
    }

    void CheckHeader() {
        if (!header_.titleLine) Error(EndLine(), "no 'title' line");
        for (const PairDirective& d : kPairDirectives)
            if (!(header_.*d.field).line) Error(EndLine(), "no '" + std::string(d.word) + "' line");
    }

    bool SizeOk() {
        const Square size = header_.size.value;
        if (size.col >= 1 && size.row >= 1 && size.col <= kMaxLevelRooms &&
            size.row <= kMaxLevelRooms)
            return true;
        Error(header_.size.line,
              "a level is 1 to " + std::to_string(kMaxLevelRooms) + " rooms across and down");
        return false;
    }

    // The room's 570 tile codes, row 1 first; records where the player tiles stand.
    std::string PackRoom(Square room, const RoomSource& source) {
        std::string packed;
        for (size_t r = 0; r < source.rows.size(); ++r) {
            bool reported = false;  // one unknown character per row is enough to report
            for (int c = 1; c <= kRoomCols; ++c) {
                const Square sq{c, static_cast<int>(r) + 1};
                const char ch = CharAt(source, sq);  // '\0' past a short row, already reported
                packed += Code(room, source, sq, ch ? ch : '.', source.rowLines[r], reported);
            }
        }
        for (const auto& [at, slide] : source.slides)
            if (!IsSlideChar(CharAt(source, at)))
                Error(slide.line, "no slide field at " + SquareName(at) + " of " + RoomName(room));
        packed.resize(kRoomCols * kRoomRows * 3, '0');
        return packed;
    }

    static char CharAt(const RoomSource& source, Square sq) {
        const size_t r = static_cast<size_t>(sq.row - 1), c = static_cast<size_t>(sq.col - 1);
        return r < source.rows.size() && c < source.rows[r].size() ? source.rows[r][c] : '\0';
    }

    bool IsSlideChar(char ch) const {
        auto it = legend_.find(ch);
        return it != legend_.end() && it->second.IsSlide();
    }

    std::string Code(Square room, const RoomSource& source, Square sq, char ch, int line,
                     bool& reported) {
        auto it = legend_.find(ch);
        if (it == legend_.end()) {
            if (!reported)
                Error(line, std::string("unknown character '") + ch + "' at " + SquareName(sq) +
                                " of " + RoomName(room) + "; give it a legend line");
            reported = true;
            return std::string(code::Floor);
        }
        if (!it->second.IsSlide()) {
            for (const PlayerTile& p : kPlayerTiles)
                if (it->second.code == p.code) playerTiles_[p.code].push_back({room, sq, line});
            return it->second.code;
        }
        auto slide = source.slides.find(sq);
        if (slide == source.slides.end()) {
            Error(line, "the slide field at " + SquareName(sq) + " of " + RoomName(room) +
                            " has no target; add 'slide " + std::to_string(sq.col) + " " +
                            std::to_string(sq.row) + " -> TC TR' after the room");
            return SlideFieldCode(1, 1);
        }
        return SlideFieldCode(slide->second.target.col, slide->second.target.row);
    }

    // Each player tile stands on its player's start square in the start room, and only there.
    void CheckPlayers() {
        const PairLine& start = header_.start;
        const Square size = header_.size.value;
        const bool startOk = start.value.col >= 1 && start.value.row >= 1 &&
                             start.value.col <= size.col && start.value.row <= size.row;
        if (start.line && !startOk)
            Error(start.line, "start " + RoomName(start.value) + " lies outside the level");
        result_.header.fill(0);
        result_.header[levelheader::kStartRoomCol] = start.value.col;
        result_.header[levelheader::kStartRoomRow] = start.value.row;
        for (const PlayerTile& p : kPlayerTiles) {
            const PairLine& square = header_.*p.start;
            result_.header[p.headerCol] = square.value.col;
            result_.header[p.headerRow] = square.value.row;
            if (!square.line || !start.line || !startOk) continue;
            if (!InRoom(square.value)) {
                Error(square.line, std::string(p.who) + "'s start square " +
                                       SquareName(square.value) + " is off the room");
                continue;
            }
            bool onStart = false;
            for (const PlacedTile& t : playerTiles_[p.code]) {
                if (t.room == start.value && t.square == square.value) {
                    onStart = true;
                    continue;
                }
                Error(t.line, std::string(p.who) + " tile " + std::string(p.code) + " at " +
                                  SquareName(t.square) + " of " + RoomName(t.room) +
                                  " is not its start square");
            }
            if (!onStart)
                Error(square.line, std::string(p.who) + "'s start square " +
                                       SquareName(square.value) + " in " + RoomName(start.value) +
                                       " must hold the " + p.who + " tile " + std::string(p.code));
        }
        if (header_.player1.line && header_.player2.line &&
            header_.player1.value == header_.player2.value)
            Error(header_.player2.line, "both players start on the same square");
    }

    struct PlacedTile {
        Square room;
        Square square;
        int line = 0;
    };

    std::string name_;
    std::vector<std::string> lines_;
    std::vector<std::pair<int, std::string>> errors_;
    HeaderSource header_;
    Legend legend_ = DefaultLegend();
    std::map<Square, RoomSource> rooms_;
    RoomSource* currentRoom_ = nullptr;
    RoomSource scratch_;  // a room drawn twice is parsed here and dropped
    std::map<std::string_view, std::vector<PlacedTile>> playerTiles_;
    LevelSourceResult result_;
};

}  // namespace

LevelSourceResult CompileLevelSource(const std::string& text, const std::string& name) {
    return Parser(text, name).Run();
}

LevelSourceResult CompileLevelFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        LevelSourceResult failed;
        failed.errors.push_back(path + ": cannot be read");
        return failed;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return CompileLevelSource(text.str(), path);
}

}  // namespace murk
