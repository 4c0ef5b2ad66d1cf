// The rules' names for tile codes and directions stand for the tiles and steps they say.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/square.h"
#include "base/tiles.h"

namespace murk {
namespace {

std::string PictureName(std::string_view code) {
    const int i = TileIndex(code);
    return i < 0 ? "(no tile)" : TileCatalogue()[static_cast<size_t>(i)].name;
}

TEST(TileNames, EachNameIsTheTileItSays) {
    struct Named {
        std::string_view code;
        const char* picture;
    };
    const Named named[] = {
        {code::Floor, "Floor"},
        {code::AntProducer, "AntP"},
        {code::Ant, "Ant"},
        {code::DevilProducer, "DevilP"},
        {code::Devil, "Devil"},
        {code::CowProducer, "CowP"},
        {code::Cow, "Cow"},
        {code::Chigger, "Chigger"},
        {code::FrogProducer, "FrogP"},
        {code::Frog, "Frog"},
        {code::HorseProducer, "HorseP"},
        {code::Horse, "Horse"},
        {code::PigProducer1, "PigP1"},
        {code::PigProducer2, "PigP2"},
        {code::PigProducer3, "PigP3"},
        {code::PigProducer4, "PigP4"},
        {code::AdultPigProducer, "PigP5"},
        {code::Pig, "Pig"},
        {code::RandomProducer, "RandomP"},
        {code::FireProducer, "FireP"},
        {code::Star, "Star"},
        {code::SolidWall, "BrickSolid"},
        {code::ChainWallStopped, "BrickStopped"},
        {code::ChainWallMoving, "BrickMoving"},
        {code::EnemyPassableWall, "BrickEnemyTrans"},
        {code::ShootableWall, "BrickShootable"},
        {code::EdgeWall, "BrickSolid"},
        {code::ChainWall2Stopped, "BrickStopped2"},
        {code::ChainWall2Moving, "BrickMoving2"},
        {code::Door, "Door"},
        {code::Key, "Key"},
        {code::DeathField, "DeathField"},
        {code::Money, "Money"},
        {code::HealthKit, "Health"},
        {code::ForceField, "ForceField"},
        {code::Bomb, "Bomb"},
        {code::Heart, "Heart"},
        {code::Shield, "Shield"},
        {code::Start, "Start"},
        {code::Finish, "Finish"},
        {code::Transport, "PlayerTransport"},
        {code::SlideField, "SlideField"},
        {code::Player1, "Player1"},
        {code::Player2, "Player2"},
        {code::P1Bullet1, "P1Bullet1"},
        {code::P2Bullet1, "P2Bullet1"},
        {code::Fire1, "Fire1"},
    };
    for (const Named& n : named) EXPECT_EQ(PictureName(n.code), n.picture) << n.code;

    // Each named family: the first member faces north and the named last is its eighth.
    const std::string_view families[][3] = {
        {code::Laser1Producer1, code::Laser1Producer8, "LaserSet1P"},
        {code::Laser1Beam1, code::Laser1Beam8, "LaserSet1-"},
        {code::Laser2Producer1, code::Laser2Producer8, "LaserSet2P"},
        {code::Laser2Beam1, code::Laser2Beam8, "LaserSet2-"},
        {code::Laser3Producer1, code::Laser3Producer8, "LaserSet3P"},
        {code::Laser3Beam1, code::Laser3Beam8, "LaserSet3-"},
        {code::Laser4Producer1, code::Laser4Producer8, "LaserSet4P"},
        {code::Laser4Beam1, code::Laser4Beam8, "LaserSet4-"},
        {code::P2Bullet1, code::P2Bullet8, "P2Bullet"},
        {code::Fire1, code::Fire8, "Fire"},
    };
    for (const auto& [first, last, name] : families) {
        EXPECT_EQ(PictureName(first), std::string(name) + "1") << first;
        EXPECT_EQ(FamilyCode(first, 8), last) << first;
    }

    EXPECT_TRUE(IsSlideField("ZAB"));
    EXPECT_TRUE(IsSlideField(code::SlideField));
    EXPECT_FALSE(IsSlideField(""));
    EXPECT_FALSE(IsSlideField(code::Floor));
}

TEST(DirectionNames, RunClockwiseFromNorth) {
    EXPECT_EQ(Step({5, 5}, dir::North), (Square{5, 4}));
    EXPECT_EQ(Step({5, 5}, dir::East), (Square{6, 5}));
    EXPECT_EQ(Step({5, 5}, dir::South), (Square{5, 6}));
    EXPECT_EQ(Step({5, 5}, dir::West), (Square{4, 5}));
    // Each diagonal lies between its two straight neighbours.
    const int diagonals[][3] = {{dir::NorthEast, dir::North, dir::East},
                                {dir::SouthEast, dir::South, dir::East},
                                {dir::SouthWest, dir::South, dir::West},
                                {dir::NorthWest, dir::North, dir::West}};
    for (const auto& [diagonal, a, b] : diagonals)
        EXPECT_EQ(Step({5, 5}, diagonal), Step(Step({5, 5}, a), b)) << diagonal;
    EXPECT_FALSE(IsDirection(dir::None));
    EXPECT_EQ(Step({5, 5}, dir::None), (Square{5, 5}));
}

}  // namespace
}  // namespace murk
