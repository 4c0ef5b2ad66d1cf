// What a walking player meets on its new square: items, doors, the finish, deadly squares.
#include <array>
#include <string>

#include "game/host.h"
#include "game/squares.h"
#include "game/tileclasses.h"
#include "players/damage.h"
#include "players/walk.h"

namespace murk {

namespace {

constexpr int kDeadlyAmount = 250;  // walking into a death field or a beam always kills
constexpr int kShieldSteps = 100;

struct SquareRule;
using Effect = void (*)(Game&, Host&, Player&, Square old, const SquareRule&);
using ClassTest = bool (*)(const Game&, int col, int row);

// One kind of square: a code (or, for a whole class, a test), what stepping on it does, the
// counter and amount it changes and the sound it makes.
struct SquareRule {
    std::string_view code;
    ClassTest inClass;
    Effect effect;
    int Player::*counter;
    int amount;
    PlayerSounds sounds;
};

void Collect(Game&, Host& host, Player& p, Square, const SquareRule& r) {
    p.*r.counter += r.amount;
    PlayPlayerSound(host, p, r.sounds);
}

void Deadly(Game& g, Host& host, Player& p, Square old, const SquareRule&) {
    PutAt(p, old);
    Damage(g, host, kDeadlyAmount, PlayerCode(p), true);
}

void OpenDoor(Game& g, Host& host, Player& p, Square old, const SquareRule& r) {
    if (p.keys < 1) return PutAt(p, old);
    Collect(g, host, p, old, r);
}

// The player leaves the board from the square it came from; the finish stays for the partner.
void Finish(Game& g, Host& host, Player& p, Square old, const SquareRule& r) {
    PutAt(p, old);
    SetSquare(g, host, old.col, old.row, code::Floor);
    p.finished = true;
    p.heldDir = dir::None;
    PlayPlayerSound(host, p, r.sounds);
}

// A fresh shield: the full time, not added to what was left.
void TakeShield(Game&, Host&, Player& p, Square, const SquareRule&) {
    p.shieldTime = kShieldSteps;
    p.status = "Shield On - 100%";
}

constexpr std::array<SquareRule, 10> kSquareRules = {{
    {code::Money, nullptr, Collect, &Player::points, 100, sound::GrabMoney},
    {code::HealthKit, nullptr, Collect, &Player::kits, 1, sound::GrabHealth},
    {code::Key, nullptr, Collect, &Player::keys, 1, sound::GrabKey},
    {code::Bomb, nullptr, Collect, &Player::bombs, 1, sound::GrabBomb},
    {code::DeathField, nullptr, Deadly, nullptr, 0, {}},
    {code::Door, nullptr, OpenDoor, &Player::keys, -1, sound::OpenDoor},
    {code::Finish, nullptr, Finish, nullptr, 0, sound::Warp},
    {"", IsLaserBeam, Deadly, nullptr, 0, {}},
    {"", IsGrowingPigProducer, Collect, &Player::points, 8, sound::EatPigProducer},  // eaten
    {code::Shield, nullptr, TakeShield, nullptr, 0, {}},
}};

const SquareRule* RuleFor(const Game& g, Square s) {
    const std::string& c = g.RoomGrid.Cell(s.col, s.row);
    for (const SquareRule& r : kSquareRules)
        if (r.inClass ? r.inClass(g, s.col, s.row) : c == r.code) return &r;
    return nullptr;
}

}  // namespace

void MeetSquare(Game& g, Host& host, Player& p, Square old) {
    if (const SquareRule* r = RuleFor(g, Where(p))) r->effect(g, host, p, old, *r);
}

}  // namespace murk
