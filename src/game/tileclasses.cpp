// The tile classes the bullets, bombs, players and the world share, drawn from the tile kinds.
#include "game/tileclasses.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "base/square.h"
#include "base/tilekinds.h"
#include "base/tiles.h"
#include "game/state.h"

namespace murk {

namespace {

enum ClassBit : uint8_t { kHostile = 1, kGrowingPig = 2, kBlast = 4 };

bool IsGrowingPig(std::string_view code) {
    const int i = TileIndex(code);
    return i >= TileIndex(code::PigProducer1) && i <= TileIndex(code::PigProducer4);
}

// Every creature and producer is hostile, and so is the fire-dart producer. A blast spares the
// pig producers of every stage, and reaches bombs and players besides.
uint8_t ClassesOf(std::string_view code) {
    const TileKind* kind = KindOf(code);
    const bool hostile =
        kind && (kind->family == TileFamily::Creatures || kind->family == TileFamily::Producers ||
                 code == code::FireProducer);
    const bool pigProducer = IsGrowingPig(code) || code == code::AdultPigProducer;
    const bool blast = (hostile && !pigProducer) || code == code::Bomb || code == code::Player1 ||
                       code == code::Player2;
    return static_cast<uint8_t>((hostile ? kHostile : 0) | (IsGrowingPig(code) ? kGrowingPig : 0) |
                                (blast ? kBlast : 0));
}

// Looked up by catalogue index: the chase and the scan ask about squares thousands of times a
// tick. Slide fields belong to no class.
bool Has(const Game& g, int col, int row, ClassBit bit) {
    static const std::array<uint8_t, kTileCount> classes = [] {
        std::array<uint8_t, kTileCount> t{};
        for (int i = 0; i < kSlideFieldIndex; ++i)
            t[static_cast<size_t>(i)] = ClassesOf(TileCodeAt(i));
        return t;
    }();
    // Outside the playfield every square reads as the empty text, which belongs to no class.
    if (!InPlayfield({col, row})) return false;
    const int i = TileIndex(g.RoomGrid.Cell(col, row));
    return i >= 0 && (classes[static_cast<size_t>(i)] & bit) != 0;
}

}  // namespace

bool IsHostileTile(const Game& g, int col, int row) {
    return Has(g, col, row, kHostile);
}

bool IsGrowingPigProducer(const Game& g, int col, int row) {
    return Has(g, col, row, kGrowingPig);
}

bool IsBlastAffected(const Game& g, int col, int row) {
    return Has(g, col, row, kBlast);
}

}  // namespace murk
