// The player field table behind the state dump and murk-sim's p1/p2 commands.
#include "game/playerfields.h"

#include <array>
#include <variant>

#include "base/wholenumber.h"

namespace murk {

namespace {

using Member = std::variant<int Player::*, bool Player::*, std::string Player::*>;

struct Field {
    const char* name;
    Member member;
};

const std::array<Field, 27> kFields = {{
    {"col", &Player::col},           {"row", &Player::row},
    {"life", &Player::life},         {"points", &Player::points},
    {"keys", &Player::keys},         {"kits", &Player::kits},
    {"bombs", &Player::bombs},       {"levels", &Player::levelsPassed},
    {"shield", &Player::shieldTime}, {"dir", &Player::heldDir},
    {"fire", &Player::fireHeld},     {"menu", &Player::menuOpen},
    {"choice", &Player::menuChoice}, {"bombheld", &Player::bombHeld},
    {"bombcol", &Player::bombCol},   {"bombrow", &Player::bombRow},
    {"under", &Player::underBomb},   {"bullet", &Player::bulletInFlight},
    {"bcol", &Player::bulletCol},    {"brow", &Player::bulletRow},
    {"bdir", &Player::bulletDir},    {"bsteps", &Player::bulletSteps},
    {"dead", &Player::dead},         {"finished", &Player::finished},
    {"status", &Player::status},     {"startcol", &Player::startCol},
    {"startrow", &Player::startRow},
}};

// The dump shows every field but the start square, which a script may still set.
constexpr size_t kDumpedFields = 25;

}  // namespace

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string DumpPlayer(const Player& p) {
    std::string out;
    for (size_t i = 0; i < kDumpedFields; ++i) {
        const Field& f = kFields[i];
        if (i > 0) out += ' ';
        out += f.name;
        out += '=';
        std::visit(
            [&](auto member) {
                using T = std::decay_t<decltype(p.*member)>;
                if constexpr (std::is_same_v<T, int>) out += std::to_string(p.*member);
                if constexpr (std::is_same_v<T, bool>) out += p.*member ? '1' : '0';
                if constexpr (std::is_same_v<T, std::string>) out += Quoted(p.*member);
            },
            f.member);
    }
    return out;
}

bool SetPlayerField(Player& p, std::string_view field, const std::string& value) {
    for (const Field& f : kFields) {
        if (field != f.name) continue;
        return std::visit(
            [&](auto member) {
                using T = std::decay_t<decltype(p.*member)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    p.*member = value;
                    return true;
                } else {
                    int v = 0;
                    if (!ParseWholeNumber(value, v)) return false;
                    if constexpr (std::is_same_v<T, bool>) {
                        if (v != 0 && v != 1) return false;
                        p.*member = v == 1;
                    } else {
                        p.*member = v;
                    }
                    return true;
                }
            },
            f.member);
    }
    return false;
}

}  // namespace murk
