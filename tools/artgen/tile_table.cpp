// Which drawing makes which catalogue entry, and the common steps around every tile.
#include <array>
#include <numbers>
#include <stdexcept>
#include <string_view>

#include "base/tiles.h"
#include "tile_art.h"

namespace artgen {

namespace {

namespace code = murk::code;

struct TileRun {
    std::string_view first;  // code of the first tile of the run
    int count;               // tiles in the run: 1, 5 (pig stages) or 8 (directions)
    TileDraw draw;
    bool onFloor;  // drawn over the floor picture
};

constexpr TileRun kRuns[] = {
    {code::Floor, 1, DrawFloor, false},
    {code::AntProducer, 1, DrawAntNest, true},
    {code::Ant, 1, DrawAnt, true},
    {code::DevilProducer, 1, DrawDevilNest, true},
    {code::Devil, 1, DrawDevil, true},
    {code::CowProducer, 1, DrawCowNest, true},
    {code::Cow, 1, DrawCow, true},
    {code::Chigger, 1, DrawChigger, true},
    {code::FrogProducer, 1, DrawFrogNest, true},
    {code::Frog, 1, DrawFrog, true},
    {code::HorseProducer, 1, DrawHorseNest, true},
    {code::Horse, 1, DrawHorse, true},
    {code::PigProducer1, 5, DrawPigNest, true},
    {code::Pig, 1, DrawPig, true},
    {code::RandomProducer, 1, DrawRandomNest, true},
    {code::FireProducer, 1, DrawFireNest, true},
    {code::Laser1Producer1, 8, DrawLaser1Turret, true},
    {code::Door, 1, DrawDoor, false},
    {code::Key, 1, DrawKey, true},
    {code::DeathField, 1, DrawDeathField, true},
    {code::Star, 1, DrawStar, true},
    {code::SolidWall, 1, DrawSolidWall, false},
    {code::ChainWallStopped, 1, DrawChainWall, false},
    {code::ChainWallMoving, 1, DrawChainWallBurning, false},
    {code::EnemyPassableWall, 1, DrawGrilleWall, true},
    {code::ShootableWall, 1, DrawCrackedWall, false},
    {code::Money, 1, DrawMoney, true},
    {code::HealthKit, 1, DrawHealth, true},
    {code::EdgeWall, 1, DrawEdgeWall, false},
    {code::ForceField, 1, DrawForceField, true},
    {code::Bomb, 1, DrawBomb, true},
    {code::Heart, 1, DrawHeart, true},
    {code::Shield, 1, DrawShield, true},
    {code::Start, 1, DrawStart, true},
    {code::Finish, 1, DrawFinish, true},
    {code::Player1, 1, DrawPlayer1, true},
    {code::Player2, 1, DrawPlayer2, true},
    {code::P1Bullet1, 8, DrawBullet1, true},
    {code::P2Bullet1, 8, DrawBullet2, true},
    {code::Fire1, 8, DrawFireDart, true},
    {code::Laser1Beam1, 8, DrawLaser1Beam, true},
    {code::Laser2Producer1, 8, DrawLaser2Turret, true},
    {code::Laser2Beam1, 8, DrawLaser2Beam, true},
    {code::Laser3Producer1, 8, DrawLaser3Turret, true},
    {code::Laser3Beam1, 8, DrawLaser3Beam, true},
    {code::Laser4Producer1, 8, DrawLaser4Turret, true},
    {code::Laser4Beam1, 8, DrawLaser4Beam, true},
    {code::Transport, 1, DrawTransportField, true},
    {code::ChainWall2Stopped, 1, DrawChainWall2, false},
    {code::ChainWall2Moving, 1, DrawChainWall2Burning, false},
    {code::SlideField, 1, DrawSlideField, true},
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
