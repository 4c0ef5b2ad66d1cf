// Route files: one move a line, '#' comments, verbs with fixed argument shapes.
#include "routefile.h"

#include <array>
#include <cctype>
#include <charconv>
#include <sstream>

namespace murk::route {

namespace {

constexpr std::array<const char*, 9> kDirNames = {"", "N", "NE", "E", "SE", "S", "SW", "W", "NW"};

bool ToInt(const std::string& text, int& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, out);
    return ec == std::errc{} && end == last && first != last;
}

// Checks and converts a step's words; returns the mistake, or "" when the step is good.
std::string ReadArgs(const std::string& verb, const std::vector<std::string>& words,
                     std::vector<int>& args) {
    const size_t n = words.size();
    auto numbers = [&](size_t from, int low) -> std::string {
        for (size_t i = from; i < n; ++i) {
            int v = 0;
            if (!ToInt(words[i], v) || v < low) return "bad number '" + words[i] + "'";
            args.push_back(v);
        }
        return "";
    };
    if (verb == "goto") {
        if (n != 2 && n != 4) return "goto wants COL ROW or ROOMCOL ROOMROW COL ROW";
        return numbers(0, 1);
    }
    if (verb == "finish" || verb == "kit") return n == 0 ? "" : verb + " takes nothing";
    if (verb == "wait" || verb == "tick") return n == 1 ? numbers(0, 0) : verb + " wants a count";
    if (verb == "player") {
        if (n != 1 || (words[0] != "1" && words[0] != "2")) return "player wants 1 or 2";
        return numbers(0, 1);
    }
    if (verb == "down" || verb == "up") return n == 1 ? numbers(0, 0) : verb + " wants a key code";
    if (verb == "shoot" || verb == "step" || verb == "bomb") {
        // shoot DIR [TICKS]; step DIR [COUNT]; bomb DIR COUNT [DIR COUNT ...]
        if (n == 0) return verb + " wants a direction";
        if (verb == "bomb" && n % 2 != 0) return "bomb wants DIR COUNT pairs";
        if (verb != "bomb" && n > 2) return verb + " wants DIR [COUNT]";
        for (size_t i = 0; i < n; ++i) {
            int v = 0;
            if (i % 2 == 0) {
                v = ParseDirection(words[i]);
                if (v == 0) return "bad direction '" + words[i] + "' (N NE E SE S SW W NW)";
            } else if (!ToInt(words[i], v) || v < 1) {
                return "bad count '" + words[i] + "'";
            }
            args.push_back(v);
        }
        return "";
    }
    return "unknown verb '" + verb + "'";
}

}  // namespace

int ParseDirection(const std::string& word) {
    std::string up;
    for (char c : word) up += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int d = 1; d <= 8; ++d)
        if (up == kDirNames[static_cast<size_t>(d)]) return d;
    if (up.size() == 1 && up[0] >= '1' && up[0] <= '8') return up[0] - '0';
    return 0;
}

const char* DirectionName(int dir) {
    return dir >= 1 && dir <= 8 ? kDirNames[static_cast<size_t>(dir)] : "-";
}

Route ParseRoute(std::istream& in, std::vector<std::string>& errors) {
    Route route;
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const size_t hash = raw.find('#');
        std::string text = raw.substr(0, hash);
        std::istringstream words(text);
        RouteStep step;
        step.line = number;
        std::vector<std::string> rest;
        std::string w;
        words >> step.verb;
        while (words >> w) rest.push_back(w);
        if (step.verb.empty()) {
            if (hash != std::string::npos && route.steps.empty()) {
                std::string note = raw.substr(hash + 1);
                if (!note.empty() && note[0] == ' ') note.erase(0, 1);
                route.about.push_back(note);
            }
            continue;
        }
        const std::string mistake = ReadArgs(step.verb, rest, step.args);
        if (!mistake.empty()) {
            errors.push_back("line " + std::to_string(number) + ": " + mistake);
            continue;
        }
        step.text = text.substr(text.find_first_not_of(" \t"));
        while (!step.text.empty() && (step.text.back() == ' ' || step.text.back() == '\t'))
            step.text.pop_back();
        route.steps.push_back(std::move(step));
    }
    return route;
}

}  // namespace murk::route
