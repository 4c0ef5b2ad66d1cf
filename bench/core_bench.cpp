// Benchmarks of the hot paths: the idle message pump, a full room draw, a world-tick scan and
// reading a level file.
#include <benchmark/benchmark.h>

#include "game/render.h"
#include "level/gridfile.h"
#include "level/room.h"
#include "shell/app.h"
#include "shell/startup.h"
#include "world/tick.h"
#include "../tests/test_support.h"

namespace murk {
namespace {

struct Fixture {
    Fixture() {
        dir.WriteLevel(0);
        h.Start();
        std::string error;
        UnpackRoomString(test::MakeRoom("A01"), h.app->game.RoomGrid, error);
    }
    test::TempGameDir dir;
    test::HeadlessApp h{dir};
};

void BM_IdlePump(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) ProcessMessages(*f.h.app);
}
BENCHMARK(BM_IdlePump);

void BM_DrawRoom(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) DrawRoom(*f.h.app);
}
BENCHMARK(BM_DrawRoom);

// A scan of a room full of producers: snapshot, targets and 570 dispatches.
void BM_WorldTickScan(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        f.h.app->game.world.clocks.tick = 16;
        WorldTick(*f.h.app);
    }
}
BENCHMARK(BM_WorldTickScan);

void BM_ParseLevelText(benchmark::State& state) {
    StringGrid grid(9, 9);
    for (int r = 1; r < 9; ++r)
        for (int c = 1; c < 9; ++c) grid.SetCell(c, r, test::MakeRoom("A32"));
    const std::string text = FormatGridText(grid, GridHeader{});
    for (auto _ : state) {
        StringGrid read;
        GridHeader h{};
        benchmark::DoNotOptimize(ParseGridText(text, read, h));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseLevelText);

}  // namespace
}  // namespace murk
