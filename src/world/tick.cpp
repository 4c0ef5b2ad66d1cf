// The world tick driver: schedule, snapshot, targets and the dispatch table.
#include "world/tick.h"

#include <array>
#include <bit>
#include <cstdint>

#include "base/tiles.h"
#include "combat/bullets.h"
#include "game/host.h"
#include "game/squares.h"
#include "level/room.h"
#include "players/step.h"
#include "world/rules.h"

namespace murk {

namespace {

enum class Clock { Tick, Laser2, Laser3, Laser4 };

// One row of the dispatch table: a run of consecutive tile indices, when it is due, its rule.
struct DispatchRow {
    std::array<std::string_view, 6> codes;  // single codes, or {first, last} of a run
    bool run;
    Clock clock;
    uint64_t every;
    const char* name;
    SquareRule rule;
};

// One rule a row, as the schedule reads.
// clang-format off
constexpr std::array<DispatchRow, 19> kDispatch = {{
    {{code::RandomProducer}, false, Clock::Tick, 16, "random producer", RandomProducerRule},
    {{code::HorseProducer, code::AntProducer, code::DevilProducer, code::CowProducer}, false,
        Clock::Tick, 16, "produce", ProduceRule},
    {{code::AdultPigProducer}, false, Clock::Tick, 16, "adult pig producer", AdultPigProducerRule},
    {{code::PigProducer1, code::PigProducer4}, true,
        Clock::Tick, 16, "grow pig producer", GrowPigProducerRule},
    {{code::ChainWallMoving, code::ChainWall2Moving}, false,
        Clock::Tick, 16, "burn chain wall", BurnChainWallRule},
    {{code::Frog}, false, Clock::Tick, 16, "frog", FrogRule},
    {{code::Fire1, code::Fire8}, true, Clock::Tick, 16, "fire dart", FireDartRule},
    {{code::FireProducer}, false, Clock::Tick, 16, "fire producer", FireProducerRule},
    {{code::FrogProducer}, false, Clock::Tick, 16, "frog producer", FrogProducerRule},
    {{code::Star}, false, Clock::Tick, 16, "star", StarRule},
    {{code::Ant, code::Devil, code::Cow, code::Chigger, code::Horse, code::Pig}, false,
        Clock::Tick, 16, "chase", ChaseRule},
    {{code::Laser1Beam1, code::Laser1Beam8}, true, Clock::Tick, 16, "beam out 1", BeamOutRule},
    {{code::Laser1Producer1, code::Laser1Producer8}, true,
        Clock::Tick, 64, "laser flash 1", LaserFlashRule},
    {{code::Laser2Beam1, code::Laser2Beam8}, true, Clock::Laser2, 16, "beam out 2", BeamOutRule},
    {{code::Laser2Producer1, code::Laser2Producer8}, true,
        Clock::Laser2, 64, "laser flash 2", LaserFlashRule},
    {{code::Laser3Beam1, code::Laser3Beam8}, true, Clock::Laser3, 16, "beam out 3", BeamOutRule},
    {{code::Laser3Producer1, code::Laser3Producer8}, true,
        Clock::Laser3, 64, "laser flash 3", LaserFlashRule},
    {{code::Laser4Beam1, code::Laser4Beam8}, true, Clock::Laser4, 16, "beam out 4", BeamOutRule},
    {{code::Laser4Producer1, code::Laser4Producer8}, true,
        Clock::Laser4, 64, "laser flash 4", LaserFlashRule},
}};
// clang-format on

uint64_t ClockValue(const WorldClocks& c, Clock which) {
    switch (which) {
        case Clock::Tick:
            return c.tick;
        case Clock::Laser2:
            return c.laser2;
        case Clock::Laser3:
            return c.laser3;
        case Clock::Laser4:
            return c.laser4;
    }
    return 0;
}

bool Due(const DispatchRow& row, const WorldClocks& c) {
    return ClockValue(c, row.clock) % row.every == 0;
}

bool Holds(const DispatchRow& row, std::string_view code) {
    if (row.run) {
        const int i = TileIndex(code);
        return code.size() == 3 && i >= TileIndex(row.codes[0]) && i <= TileIndex(row.codes[1]);
    }
    for (std::string_view c : row.codes)
        if (!c.empty() && c == code) return true;
    return false;
}

// For every tile, the dispatch rows that hold it as bits in table order, worked out once: the
// scan asks for every square of the room.
const std::array<uint32_t, kTileCount>& RowsByTile() {
    static const std::array<uint32_t, kTileCount> table = [] {
        std::array<uint32_t, kTileCount> t{};
        for (int i = 0; i < kTileCount; ++i)
            for (size_t r = 0; r < kDispatch.size(); ++r)
                if (Holds(kDispatch[r], TileCodeAt(i))) t[static_cast<size_t>(i)] |= 1u << r;
        return t;
    }();
    return table;
}

const DispatchRow* RowFor(std::string_view code, const WorldClocks& c) {
    const int tile = TileIndex(code);
    if (tile < 0 || tile >= kTileCount || code.size() != 3) return nullptr;
    for (uint32_t rows = RowsByTile()[static_cast<size_t>(tile)]; rows != 0; rows &= rows - 1) {
        const DispatchRow& row = kDispatch[static_cast<size_t>(std::countr_zero(rows))];
        if (Due(row, c)) return &row;
    }
    return nullptr;
}

void Scan(Game& g, Host& host, Footing pass) {
    for (int r = 1; r <= kRoomRows; ++r) {
        if (!LetMessagesThrough(g, host, pass)) return;
        if (r % 10 == 0 && !LetMessagesThrough(g, host, pass)) return;
        for (int c = 1; c <= kRoomCols; ++c) {
            const std::string code = g.BufferGrid.Cell(c, r);
            if (c % 5 == 0 && !LetMessagesThrough(g, host, pass)) return;
            if (code == code::Floor || code == code::SolidWall) continue;
            if (const DispatchRow* row = RowFor(code, g.world.clocks))
                row->rule(g, host, c, r, code);
        }
    }
}

void AddTarget(TargetList& t, int col, int row) {
    if (t.count >= static_cast<int>(t.items.size())) return;
    t.items[static_cast<size_t>(t.count++)] = {static_cast<int16_t>(col),
                                               static_cast<int16_t>(row)};
}

}  // namespace

bool AnyRuleDue(const WorldClocks& c) {
    for (const DispatchRow& row : kDispatch)
        if (Due(row, c)) return true;
    return false;
}

std::string_view DueRuleFor(std::string_view code, const WorldClocks& c) {
    const DispatchRow* row = RowFor(code, c);
    return row ? row->name : "";
}

void CollectTargets(Game& g) {
    TargetList& t = g.world.targets;
    t.count = 0;
    for (int r = 1; r <= kRoomRows; ++r)
        for (int c = 1; c <= kRoomCols; ++c)
            if (IsPlayerSquare(g, c, r)) AddTarget(t, c, r);
    if (!g.P1().dead) AddTarget(t, g.P1().col, g.P1().row);
    if (g.PlayerCount == 2 && !g.P2().dead) AddTarget(t, g.P2().col, g.P2().row);
}

void AdvanceClocks(WorldClocks& c) {
    if (c.tick > 15) ++c.laser2;
    if (c.tick > 31) ++c.laser3;
    if (c.tick > 47) ++c.laser4;
    ++c.tick;
}

void WorldTick(Game& g, Host& host) {
    const Footing pass = FootingNow(g);
    if (g.world.clocks.tick % 4 == 0) PlayerStep(g, host, pass);
    if (Stands(g, host, pass)) BulletStep(g, host, pass);
    if (Stands(g, host, pass) && AnyRuleDue(g.world.clocks)) {
        CopyRoomToBuffer(g);
        CollectTargets(g);
        Scan(g, host, pass);
    }
    AdvanceClocks(g.world.clocks);
}

}  // namespace murk
