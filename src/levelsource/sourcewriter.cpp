// The level source writer: a legend for the tiles the level holds, the header, the rooms.
#include "levelsource/sourcewriter.h"

#include <array>
#include <string>

#include "base/roompack.h"
#include "base/tilekinds.h"
#include "base/tiles.h"
#include "levelsource/levelsource.h"

namespace murk {

namespace {

std::string Pair(const char* word, int a, int b) {
    return std::string(word) + " " + std::to_string(a) + " " + std::to_string(b) + "\n";
}

std::string RoomWhere(int rc, int rr) {
    return "room " + std::to_string(rc) + " " + std::to_string(rr);
}

// The rooms' shape and codes: each 570 codes of the catalogue, each slide field's target a
// square of its room written as a source writes it. `used` marks each catalogue index met.
std::string CheckRooms(const LevelFile& level, std::array<bool, kTileCount>& used) {
    for (int rr = 1; rr <= level.RoomsDown(); ++rr)
        for (int rc = 1; rc <= level.RoomsAcross(); ++rc) {
            const std::string& room = level.grid.Cell(rc, rr);
            if (room.size() != static_cast<size_t>(kPackedRoomLength))
                return RoomWhere(rc, rr) + " holds " + std::to_string(room.size()) +
                       " characters; a room is 570 tile codes";
            for (size_t at = 0; at < room.size(); at += 3) {
                const std::string_view code(room.data() + at, 3);
                const int index = TileIndex(code);
                if (index < 0 || IsSlideField(code))
                    if (std::string why = CodeProblem(code); !why.empty())
                        return RoomWhere(rc, rr) + ", column " +
                               std::to_string(at / 3 % kRoomCols + 1) + " row " +
                               std::to_string(at / 3 / kRoomCols + 1) + ": " + why;
                used[static_cast<size_t>(index)] = true;
            }
        }
    return "";
}

}  // namespace

std::string CodeProblem(std::string_view code) {
    if (code.size() != 3 || TileIndex(code) < 0) return "'" + std::string(code) + "' is no tile";
    if (IsSlideField(code) && (SlideTargetRow(code) > kRoomRows ||
                               SlideFieldCode(SlideTargetCol(code), SlideTargetRow(code)) != code))
        return "the slide field '" + std::string(code) + "' names no square of its room";
    return "";
}

int LegendCapacity() {
    int n = 0;
    for (int c = 0; c < 128; ++c) n += IsLegendChar(static_cast<char>(c));
    return n;
}

std::string TitleProblem(std::string_view title) {
    if (title.empty() || title.size() > static_cast<size_t>(kMaxTitleLength))
        return "a title has 1 to " + std::to_string(kMaxTitleLength) + " characters";
    if (title.front() == ' ' || title.back() == ' ')
        return "a title neither starts nor ends with a space";
    for (const char c : title) {
        if (c == ';') return "a title holds no ';': a level source reads it as a comment";
        if (static_cast<unsigned char>(c) < ' ' || c == 127)
            return "a title holds letters, digits, spaces and punctuation only";
    }
    return "";
}

WrittenSource WriteLevelSource(const LevelFile& level) {
    if (!level.Ok()) return {"", level.errors.front()};
    const std::string& title = level.grid.Cell(1, 0);
    if (std::string why = TitleProblem(title); !why.empty()) return {"", why};
    if (level.RoomsAcross() < 1 || level.RoomsDown() < 1 || level.RoomsAcross() > kMaxLevelRooms ||
        level.RoomsDown() > kMaxLevelRooms)
        return {"", "a level is 1 to " + std::to_string(kMaxLevelRooms) + " rooms across and down"};
    std::array<bool, kTileCount> used{};
    if (std::string why = CheckRooms(level, used); !why.empty()) return {"", why};

    // Each tile keeps its own character; the rest take characters no tile has, then those of
    // tiles this level does not hold.
    std::array<char, kTileCount> chars{};
    std::array<bool, 128> taken{};
    for (size_t i = 0; i < chars.size(); ++i)
        if (used[i] && (chars[i] = LegendChar(TileCodeAt(static_cast<int>(i)))))
            taken[static_cast<size_t>(chars[i])] = true;
    auto spare = [&](bool ownless) {
        for (char c = ' '; c < 127; ++c)
            if (!taken[static_cast<size_t>(c)] && IsLegendChar(c) &&
                LegendCode(c).empty() == ownless)
                return c;
        return '\0';
    };
    std::string legend;
    for (size_t i = 0; i < chars.size(); ++i) {
        if (!used[i] || chars[i]) continue;
        chars[i] = spare(true) ? spare(true) : spare(false);
        if (!chars[i])
            return {"", "the level holds more than " + std::to_string(LegendCapacity()) +
                            " kinds of tile; a level source draws at most that many"};
        taken[static_cast<size_t>(chars[i])] = true;
        legend += std::string("legend ") + chars[i] + " " + TileCodeAt(static_cast<int>(i)) + "\n";
    }

    const GridHeader& h = level.header;
    std::string text = "title " + title + "\n" +
                       Pair("size", level.RoomsAcross(), level.RoomsDown()) +
                       Pair("start", h[levelheader::kStartRoomCol], h[levelheader::kStartRoomRow]) +
                       Pair("player1", h[levelheader::kP1Col], h[levelheader::kP1Row]) +
                       Pair("player2", h[levelheader::kP2Col], h[levelheader::kP2Row]) + legend;
    for (int rr = 1; rr <= level.RoomsDown(); ++rr)
        for (int rc = 1; rc <= level.RoomsAcross(); ++rc) {
            text += "\n" + RoomWhere(rc, rr) + "\n";
            std::string slides;
            for (int row = 1; row <= kRoomRows; ++row) {
                for (int col = 1; col <= kRoomCols; ++col) {
                    const std::string_view code = level.At(rc, rr, col, row);
                    text += chars[static_cast<size_t>(TileIndex(code))];
                    if (IsSlideField(code))
                        slides += "slide " + std::to_string(col) + " " + std::to_string(row) +
                                  " -> " + std::to_string(SlideTargetCol(code)) + " " +
                                  std::to_string(SlideTargetRow(code)) + "\n";
                }
                text += "\n";
            }
            text += slides;
        }
    return {text, ""};
}

}  // namespace murk
