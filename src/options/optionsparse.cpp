// Options.dat text: the four lines written, and the reading of any text back.
#include "options/optionsparse.h"

#include <sstream>

#include "base/wholenumber.h"

namespace murk {

void SettleSpeed(OptionValues& v) {
    if (!IsWholeNumber(v.speed)) v.speed = "4";
}

std::string EditedSpeed(const std::string& text, const std::string& before) {
    if (text.size() > kMaxOptionWord) return before;
    if (!text.empty() && !IsWholeNumber(text)) return "20";
    return text;
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
    v.speed = EditedSpeed(word, v.speed);
    for (KeyOption& key : v.keys) {
        if (!next()) return;
        const std::string name = word;
        const bool nameUsable = usable();
        if (!next()) return;
        const std::optional<int> code = usable() ? ParseWholeNumber(word) : std::nullopt;
        // A name without its code, or a code under another key's name, would show one key and
        // play another: the pair is taken whole or not at all.
        if (code && nameUsable) key = {name, *code};
    }
    if (!next()) return;
    if (usable()) v.sound = word;
}

}  // namespace murk
