// The level source writer: every shipped level written out compiles to its own file, byte for
// byte; a legend for as many kinds of tile as a source can draw; what no source can say.
#include "levelsource/sourcewriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/gridfile.h"
#include "base/tilekinds.h"
#include "levelsource/levelsource.h"
#include "rules/gamedir.h"

namespace murk {
namespace {

namespace fs = std::filesystem;

std::string FileText(const LevelSourceResult& level) {
    return FormatGridText(level.grid, level.header);
}

TEST(SourceWriter, ShippedLevelsWrittenOutCompileToTheirOwnFilesByteForByte) {
    int levels = 0;
    const fs::path folder = fs::path(__FILE__).parent_path().parent_path() / "assets" / "levels";
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".lvl") continue;
        ++levels;
        const LevelSourceResult shipped = CompileLevelFile(entry.path().string());
        ASSERT_TRUE(shipped.Ok()) << shipped.errors[0];
        const WrittenSource written = WriteLevelSource(ReadLevelFile(entry.path().string()));
        ASSERT_TRUE(written.Ok()) << entry.path() << ": " << written.error;
        const LevelSourceResult again = CompileLevelSource(written.text, "written.lvl");
        ASSERT_TRUE(again.Ok()) << again.errors[0];
        EXPECT_TRUE(FileText(again) == FileText(shipped)) << entry.path();
    }
    EXPECT_GE(levels, 20);
}

// A one-room level holding the players and `codes` on the squares after theirs.
LevelFile OneRoom(const std::vector<std::string>& codes, const std::string& title = "Kinds") {
    test::LevelSpec spec;
    spec.title = title;
    std::vector<test::Placed> placed = {{3, 4, std::string(code::Player1)},
                                        {5, 4, std::string(code::Player2)}};
    for (size_t i = 0; i < codes.size(); ++i)
        placed.push_back({static_cast<int>(i % 30) + 1, static_cast<int>(i / 30) + 6, codes[i]});
    spec.rooms = {test::MakeRoom(std::string(code::Floor), placed)};
    LevelFile level;
    level.name = "Level000.dat";
    level.grid = test::LevelGridOf(spec);
    level.header = test::LevelHeaderOf(spec);
    return level;
}

TEST(SourceWriter, DrawsAsManyKindsOfTileAsItsLegendHoldsAndNoMore) {
    // The tiles without a character of their own first: past the characters no tile has, the
    // writer takes those of tiles the level does not hold.
    std::vector<std::string> codes;
    for (int i = 0; i < kTileCount; ++i) {
        const std::string code = TileCodeAt(i);
        if (!LegendChar(code) && code != code::Player1 && code != code::Player2)
            codes.push_back(code);
    }
    ASSERT_GT(static_cast<int>(codes.size()), LegendCapacity() - 2);
    codes.resize(static_cast<size_t>(LegendCapacity() - 4));  // floor, the players, a slide
    codes.push_back(SlideFieldCode(7, 3));
    codes.push_back(SlideFieldCode(2, 2));  // slide fields share one character
    const LevelFile full = OneRoom(codes);
    const WrittenSource written = WriteLevelSource(full);
    ASSERT_TRUE(written.Ok()) << written.error;
    const LevelSourceResult again = CompileLevelSource(written.text, "full.lvl");
    ASSERT_TRUE(again.Ok()) << again.errors[0];
    EXPECT_TRUE(FormatGridText(again.grid, again.header) == FormatGridText(full.grid, full.header));

    codes.push_back(std::string(code::Money));
    EXPECT_NE(WriteLevelSource(OneRoom(codes)).error.find("kinds of tile"), std::string::npos);
}

TEST(SourceWriter, RefusesWhatNoSourceCanSay) {
    const struct {
        LevelFile level;
        const char* says;
    } cases[] = {
        {OneRoom({}, ""), "1 to 40"},
        {OneRoom({}, std::string(41, 'x')), "1 to 40"},
        {OneRoom({}, "Dark; Deep"), "';'"},
        {OneRoom({}, " Dark"), "space"},
        {OneRoom({}, "Dark\tDeep"), "punctuation"},
        {OneRoom({"Q00"}), "room 1 1, column 1 row 6: 'Q00' is no tile"},
        {OneRoom({"Z~A"}), "names no square"},
        {OneRoom({"ZAT"}), "names no square"},
    };
    for (const auto& c : cases) {
        const WrittenSource written = WriteLevelSource(c.level);
        EXPECT_NE(written.error.find(c.says), std::string::npos)
            << c.says << " / " << written.error;
    }
    LevelFile shortRoom = OneRoom({});
    shortRoom.grid.SetCell(1, 1, shortRoom.grid.Cell(1, 1).substr(3));
    EXPECT_NE(WriteLevelSource(shortRoom).error.find("1707 characters"), std::string::npos);
    EXPECT_EQ(TitleProblem("The Heart of the Murk"), "");
    EXPECT_EQ(CodeProblem(SlideFieldCode(30, 19)), "");
}

}  // namespace
}  // namespace murk
