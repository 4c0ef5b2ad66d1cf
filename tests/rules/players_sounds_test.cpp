// The players' sounds: each one's own pick-up, door, finish and kit sounds; shared hurt and death.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "players/damage.h"
#include "rules_fixture.h"

namespace murk {
namespace {

namespace key = test::key;

class PlayersSoundsTest : public test::RulesTest {
protected:
    void SetUp() override { StartOn(2); }
    // The ids of the sounds played since the last call.
    std::vector<std::string> Heard() {
        std::vector<std::string> ids;
        const std::vector<std::string> all = host.Sounds();
        for (size_t i = played_; i < all.size(); ++i) ids.push_back(all[i]);
        played_ = all.size();
        return ids;
    }
    // Player `p` walks north onto `code`.
    void WalkOnto(Player& p, const std::string& code) {
        Put(p.col, p.row - 1, code);
        p.heldDir = 1;
        Steps();
        p.heldDir = 0;
    }

private:
    size_t played_ = 0;
};

TEST_F(PlayersSoundsTest, EachPlayerHasItsOwnPickUpSounds) {
    P1().keys = P2().keys = 1;
    Place(P1(), 3, 18);
    Place(P2(), 5, 18);
    for (const char* code : {"A37", "A38", "A29", "A41", "A28", "A43", "A45"}) {
        WalkOnto(P1(), code);
        WalkOnto(P2(), code);
    }
    EXPECT_EQ(Heard(), (std::vector<std::string>{"S02", "S22", "S01", "S21", "S03", "S23", "S04",
                                                 "S24", "S07", "S27", "S09", "S29"}));
}

TEST_F(PlayersSoundsTest, HurtAndDeathSoundTheSameForBothPlayers) {
    P2().shieldTime = 10;
    Damage(g(), host, 10, "A46", true);
    Damage(g(), host, 90, "A47", true);  // stopped by the shield, heard all the same
    Damage(g(), host, 50, "A46", false);
    WalkOnto(P2(), "A30");
    Damage(g(), host, 50, "A46", false);  // silent unless it kills
    EXPECT_EQ(Heard(), (std::vector<std::string>{"S05", "S05", "S06", "S06"}));
}

TEST_F(PlayersSoundsTest, KitsAndBombsFromTheMenu) {
    Place(P2(), 20, 10);  // out of the blast
    P1().life = 20;
    P1().kits = 1;
    Up(key::Menu);
    Down(key::Fire);
    Up(key::Fire);
    P1().bombs = 1;
    FireOnBomb();
    Up(key::Fire);
    EXPECT_EQ(Heard(), (std::vector<std::string>{"S10", "S11", "S06"}));
}

}  // namespace
}  // namespace murk
