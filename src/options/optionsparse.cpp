// Options.dat text: the four lines written, and the defensive reading of any text.
#include "options/optionsparse.h"

#include <sstream>

#include "base/wholenumber.h"
#include "options/keynames.h"

namespace murk {

void SettleSpeed(OptionValues& v) {
    if (!IsWholeNumber(v.speed)) v.speed = "4";
}

std::string FormatOptions(const OptionValues& v) {
    std::string out = v.speed + "\n";
    for (int player = 0; player < 2; ++player) {
        for (int i = 0; i < 6; ++i) {
            const KeyOption& k = v.keys[static_cast<size_t>(player * 6 + i)];
            out += k.name + " " + std::to_string(k.code) + " ";
        }
        out += "\n";
    }
    out += v.sound + "\n";
    return out;
}

void ParseOptions(const std::string& text, OptionValues& v) {
    std::istringstream in(text);
    std::string word;
    auto next = [&] { return static_cast<bool>(in >> word); };
    auto usable = [&] { return word.size() <= kMaxOptionWord; };

    if (!next()) return;
    if (usable() && IsWholeNumber(word)) v.speed = word;
    for (KeyOption& key : v.keys) {
        if (!next()) return;  // the key's name; the code decides
        if (!next()) return;
        const std::optional<int> code = usable() ? ParseWholeNumber(word) : std::nullopt;
        if (!code) continue;
        if (auto name = KeyName(*code)) key = {*name, *code};
    }
    if (!next()) return;
    if (word == "On" || word == "Off") v.sound = word;
}

}  // namespace murk
