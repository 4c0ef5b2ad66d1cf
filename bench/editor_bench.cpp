// Benchmark of the level editor's model: opening a level of 20 x 20 rooms and checking it, as the
// editor does when a level is opened and after each change.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "../tests/rules/gamedir.h"
#include "base/gridfile.h"
#include "base/roompack.h"
#include "editor/editor.h"
#include "level/levels.h"
#include "levelsource/levelsource.h"

namespace murk {
namespace {

// Every room of the shipped levels, their players and finishes taken out.
std::vector<std::string> ShippedRooms() {
    std::vector<std::string> rooms;
    LevelEditor shipped(MURK_GAME_DIR);
    for (int n = 0; shipped.Open(n).ok; ++n)
        for (int rr = 1; rr <= shipped.RoomsDown(); ++rr)
            for (int rc = 1; rc <= shipped.RoomsAcross(); ++rc) {
                std::string room = shipped.Level().grid.Cell(rc, rr);
                for (size_t at = 0; at < room.size(); at += 3) {
                    const std::string_view code(room.data() + at, 3);
                    if (code == code::Player1 || code == code::Player2 || code == code::Finish)
                        room.replace(at, 3, code::Floor);
                }
                rooms.push_back(std::move(room));
            }
    if (rooms.empty()) throw std::runtime_error("no shipped levels in " MURK_GAME_DIR);
    return rooms;
}

// Level 0 of `dir`: 20 x 20 rooms, the shipped rooms one after another, the players in the first
// room, the finish in the last.
void WriteTwentyByTwenty(const test::TempGameDir& dir) {
    const std::vector<std::string> rooms = ShippedRooms();
    const int side = kMaxLevelRooms;
    StringGrid grid(side + 1, side + 1);
    for (int c = 0; c <= side; ++c) grid.SetColWidth(c, kLevelColumnWidth);
    grid.SetCell(1, 0, "Twenty by Twenty");
    for (int i = 0; i < side * side; ++i)
        grid.SetCell(i % side + 1, i / side + 1, rooms[static_cast<size_t>(i) % rooms.size()]);
    auto put = [&](int rc, int rr, int col, int row, std::string_view code) {
        std::string room = grid.Cell(rc, rr);
        room.replace(static_cast<size_t>(((row - 1) * kRoomCols + col - 1) * 3), 3, code);
        grid.SetCell(rc, rr, room);
    };
    GridHeader header{};
    header = {14, 10, 16, 10, 0, 0, 0, 0, 0, 1, 1, 0};
    put(1, 1, 14, 10, code::Player1);
    put(1, 1, 16, 10, code::Player2);
    put(side, side, 15, 10, code::Finish);
    if (WriteGridFile(LevelFileName(dir.Dir(), 0), grid, header) != GridWriteResult::Written)
        throw std::runtime_error("cannot write the level");
}

void BM_EditorOpenAndCheck(benchmark::State& state) {
    test::TempGameDir dir;
    WriteTwentyByTwenty(dir);
    LevelEditor editor(dir.Dir());
    for (auto _ : state) {
        if (EditResult opened = editor.Open(0); !opened) throw std::runtime_error(opened.message);
        benchmark::DoNotOptimize(editor.Problems().size());
    }
    state.counters["problems"] = static_cast<double>(editor.Problems().size());
}
BENCHMARK(BM_EditorOpenAndCheck)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace murk
