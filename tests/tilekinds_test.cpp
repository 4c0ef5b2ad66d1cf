// The tile kinds table: one row for each code, a legend both ways that the level sources and their
// documentation share, and passage that agrees with the rules.
#include "base/tilekinds.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "base/tiles.h"
#include "combat/impacts.h"
#include "game/host.h"
#include "game/squares.h"
#include "game/state.h"
#include "levelsource/legend.h"
#include "players/step.h"

namespace murk {
namespace {

namespace fs = std::filesystem;

fs::path RepositoryPath(const char* folder) {
    return fs::path(__FILE__).parent_path().parent_path() / folder;
}

TEST(TileKinds, EveryCodeLiesInOneRowAndEveryFamilyHasTilesToPlace) {
    std::array<int, kTileCount> rows{};
    std::array<int, kTileFamilyCount> placed{};
    for (const TileKind& kind : TileKinds()) {
        const int first = TileIndex(kind.first), last = TileIndex(kind.last);
        ASSERT_GE(first, 0) << kind.name;
        ASSERT_TRUE(last == first || last == first + 7) << kind.name << ": one tile or eight";
        for (int i = first; i <= last; ++i) ++rows[static_cast<size_t>(i)];
        if (kind.placed) ++placed[static_cast<size_t>(kind.family)];
        EXPECT_EQ(kind.shots > 0, kind.passage == Passage::Shoot) << kind.name;
    }
    for (int i = 0; i < kTileCount; ++i) {
        EXPECT_EQ(rows[static_cast<size_t>(i)], 1) << TileCodeAt(i);
        const TileKind* kind = KindOf(TileCodeAt(i));
        ASSERT_NE(kind, nullptr) << TileCodeAt(i);
        EXPECT_TRUE(TileIndex(kind->first) <= i && i <= TileIndex(kind->last)) << TileCodeAt(i);
    }
    std::set<std::string> titles;
    for (int f = 0; f < kTileFamilyCount; ++f) {
        EXPECT_GT(placed[static_cast<size_t>(f)], 0) << FamilyTitle(static_cast<TileFamily>(f));
        titles.insert(FamilyTitle(static_cast<TileFamily>(f)));
    }
    EXPECT_EQ(titles.size(), static_cast<size_t>(kTileFamilyCount));
    EXPECT_EQ(titles.count(""), 0u);
    EXPECT_EQ(KindOf("ZAB"), KindOf(code::SlideField));
    EXPECT_EQ(KindOf("B31"), nullptr);
    EXPECT_EQ(KindOf(""), nullptr);
}

TEST(TileKinds, SlideTargetsAndFamiliesOfEightReadBothWays) {
    for (int n = 1; n <= 30; ++n) EXPECT_EQ(SlideNumber(SlideLetter(n)), n) << n;
    EXPECT_EQ(SlideLetter(0), '\0');
    EXPECT_EQ(SlideLetter(31), '\0');
    EXPECT_EQ(SlideFieldCode(5, 3), "ZEC");
    EXPECT_EQ(SlideTargetCol("ZdS"), 30);
    EXPECT_EQ(SlideTargetRow("ZdS"), 19);
    EXPECT_EQ(SlideTargetRow("ZE"), 30);  // a letter missing reads as the last square
    for (const LaserSet& set : kLaserSets)
        for (int k = 1; k <= 8; ++k) {
            EXPECT_EQ(FamilyMember(FamilyCode(set.firstProducer, k), set.firstProducer), k);
            EXPECT_EQ(FamilyMember(FamilyCode(set.firstBeam, k), set.firstProducer), 0);
        }
    EXPECT_EQ(FamilyMember("ZAA", code::Laser4Beam1), 0);
    EXPECT_EQ(FamilyMember("", code::Fire1), 0);
}

// The legend table of docs/LEVELS.md, character to code, read from its rows of two entries:
// "| `A` / `a` | A01 / A02 | ant producer / ant |".
std::map<char, std::pair<std::string, std::string>> DocumentedLegend() {
    std::map<char, std::pair<std::string, std::string>> legend;
    std::ifstream in(RepositoryPath("docs") / "LEVELS.md");
    bool inLegend = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("## ", 0) == 0) inLegend = line == "## Legend";
        if (!inLegend || line.rfind("| `", 0) != 0) continue;
        for (size_t at; (at = line.find("\\|")) != std::string::npos;) line.replace(at, 2, "\x01");
        std::vector<std::string> cells;
        std::istringstream row(line);
        for (std::string cell; std::getline(row, cell, '|');) cells.push_back(cell);
        for (size_t entry = 1; entry + 2 < cells.size(); entry += 4) {
            std::istringstream chars(cells[entry]), codes(cells[entry + 1]),
                names(cells[entry + 2]);
            for (std::string ch, code, name; chars >> ch && codes >> code;) {
                std::getline(names >> std::ws, name, '/');
                name.erase(name.find_last_not_of(' ') + 1);
                const char c = ch[1] == '\x01' ? '|' : ch[1];
                legend[c] = {code == "slide" ? std::string(code::SlideField) : code, name};
                if (chars >> ch && ch != "/") ADD_FAILURE() << "odd legend cell: " << cells[entry];
                codes >> code;  // the "/" between two codes
            }
        }
    }
    return legend;
}

TEST(TileKinds, TheLegendIsABijectionThatLevelSourcesAndTheirDocumentationShare) {
    std::map<char, std::string> byChar;
    for (const TileKind& kind : TileKinds()) {
        if (!kind.legend) continue;
        EXPECT_TRUE(IsLegendChar(kind.legend)) << kind.name;
        EXPECT_EQ(kind.first, kind.last) << kind.name << ": a run's members need characters each";
        EXPECT_TRUE(kind.placed) << kind.name;
        EXPECT_TRUE(byChar.emplace(kind.legend, kind.first).second)
            << "'" << kind.legend << "' stands for two tiles";
        EXPECT_EQ(LegendCode(kind.legend), kind.first);
        EXPECT_EQ(LegendChar(kind.first), kind.legend);
    }
    EXPECT_EQ(LegendCode('\0'), "");
    EXPECT_EQ(LegendCode(';'), "");

    std::map<char, std::string> compiled;
    for (const auto& [c, entry] : DefaultLegend())
        compiled[c] = entry.IsSlide() ? std::string(code::SlideField) : entry.code;
    EXPECT_EQ(compiled, byChar);

    const auto documented = DocumentedLegend();
    EXPECT_EQ(documented.size(), byChar.size());
    for (const auto& [c, row] : documented) {
        EXPECT_EQ(row.first, byChar[c]) << "docs/LEVELS.md gives '" << c << "' to " << row.first;
        const TileKind* kind = KindOf(row.first);
        ASSERT_NE(kind, nullptr) << row.first;
        EXPECT_EQ(row.second, kind->name) << row.first;
    }
}

// A host for rules on a bare game: nothing is drawn or played, and every random number is the
// highest, which lets a horse producer go without a burst.
class QuietHost final : public Host {
public:
    void DrawSquare(int, int, std::string_view) override {}
    void DrawRoom() override {}
    void PlaySound(std::string_view) override {}
    void PumpMessages() override {}
    bool Closing() const override { return false; }
    void ShowException(const std::string&) override {}

protected:
    int ChooseRandom(int n) override { return n - 1; }
};

TEST(TileKinds, PassageAgreesWithWhereTheRulesLetAPlayerGo) {
    Game g;
    for (int r = 1; r <= kRoomRows; ++r)
        for (int c = 1; c <= kRoomCols; ++c) g.RoomGrid.SetCell(c, r, std::string(code::Floor));
    g.PlayerCount = 1;  // a shot heart hatches
    InitPlayer(g.P1(), 1);
    InitPlayer(g.P2(), 2);
    QuietHost host;
    for (int i = 0; i < kTileCount; ++i) {
        const std::string code = i == kSlideFieldIndex ? SlideFieldCode(1, 1) : TileCodeAt(i);
        const Passage passage = KindOf(code)->passage;
        g.RoomGrid.SetCell(10, 10, code);
        // The rules let a player into a death field or a beam, which hurt; a planned way keeps
        // off them.
        const bool hurts = code == code::DeathField || IsLaserBeam(g, 10, 10);
        const bool open = passage == Passage::Walk || passage == Passage::Door ||
                          passage == Passage::Transport || passage == Passage::Slide;
        EXPECT_EQ(IsPlayerPassable(g, 10, 10), open || hurts) << code;
        if (passage != Passage::Shoot && passage != Passage::Block && passage != Passage::MovesOn)
            continue;
        int shots = 0;
        for (; shots < 10 && g.RoomGrid.Cell(10, 10) != code::Floor; ++shots)
            if (IsBulletTarget(g, 10, 10)) Impact(g, host, 10, 10, g.P1());
        if (passage == Passage::Shoot)
            EXPECT_EQ(shots, KindOf(code)->shots) << code;
        else
            EXPECT_NE(g.RoomGrid.Cell(10, 10), code::Floor) << code << " falls to bullets";
    }
}

}  // namespace
}  // namespace murk
