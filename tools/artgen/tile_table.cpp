// Which drawing makes which catalogue entry, and the common steps around every tile.
#include <array>
#include <numbers>
#include <stdexcept>
#include <string_view>

#include "base/tiles.h"
#include "tile_art.h"

namespace artgen {

namespace {

struct TileRun {
    std::string_view first;  // code of the first tile of the run
    int count;               // tiles in the run: 1, 5 (pig stages) or 8 (directions)
    TileDraw draw;
    bool onFloor;  // drawn over the floor picture
};

constexpr TileRun kRuns[] = {
    {"A00", 1, DrawFloor, false},       {"A01", 1, DrawAntNest, true},
    {"A02", 1, DrawAnt, true},          {"A03", 1, DrawDevilNest, true},
    {"A04", 1, DrawDevil, true},        {"A05", 1, DrawCowNest, true},
    {"A06", 1, DrawCow, true},          {"A07", 1, DrawChigger, true},
    {"A08", 1, DrawFrogNest, true},     {"A09", 1, DrawFrog, true},
    {"A10", 1, DrawHorseNest, true},    {"A11", 1, DrawHorse, true},
    {"A12", 5, DrawPigNest, true},      {"A17", 1, DrawPig, true},
    {"A18", 1, DrawRandomNest, true},   {"A19", 1, DrawFireNest, true},
    {"A20", 8, DrawLaser1Turret, true}, {"A28", 1, DrawDoor, false},
    {"A29", 1, DrawKey, true},          {"A30", 1, DrawDeathField, true},
    {"A31", 1, DrawStar, true},         {"A32", 1, DrawSolidWall, false},
    {"A33", 1, DrawChainWall, false},   {"A34", 1, DrawChainWallBurning, false},
    {"A35", 1, DrawGrilleWall, true},   {"A36", 1, DrawCrackedWall, false},
    {"A37", 1, DrawMoney, true},        {"A38", 1, DrawHealth, true},
    {"A39", 1, DrawEdgeWall, false},    {"A40", 1, DrawForceField, true},
    {"A41", 1, DrawBomb, true},         {"A42", 1, DrawHeart, true},
    {"A43", 1, DrawShield, true},       {"A44", 1, DrawStart, true},
    {"A45", 1, DrawFinish, true},       {"A46", 1, DrawPlayer1, true},
    {"A47", 1, DrawPlayer2, true},      {"A48", 8, DrawBullet1, true},
    {"A56", 8, DrawBullet2, true},      {"A64", 8, DrawFireDart, true},
    {"A72", 8, DrawLaser1Beam, true},   {"A80", 8, DrawLaser2Turret, true},
    {"A88", 8, DrawLaser2Beam, true},   {"A96", 8, DrawLaser3Turret, true},
    {"B04", 8, DrawLaser3Beam, true},   {"B12", 8, DrawLaser4Turret, true},
    {"B20", 8, DrawLaser4Beam, true},   {"B28", 1, DrawTransportField, true},
    {"B29", 1, DrawChainWall2, false},  {"B30", 1, DrawChainWall2Burning, false},
    {"Z", 1, DrawSlideField, true},
};

}  // namespace

float DirectionAngle(int member) {
    return static_cast<float>(member - 1) * std::numbers::pi_v<float> / 4;
}

Canvas DrawTile(int index) {
    for (const TileRun& run : kRuns) {
        const int first = murk::TileIndex(run.first);
        if (index < first || index >= first + run.count) continue;
        Canvas c(32, 32);
        Painter p(c);
        if (run.onFloor) DrawFloor(p, 0);
        run.draw(p, run.count == 1 ? 0 : index - first + 1);
        return c;
    }
    throw std::runtime_error("no drawing for tile " + murk::TileCodeAt(index));
}

}  // namespace artgen
