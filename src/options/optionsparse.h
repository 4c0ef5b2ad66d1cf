// The options as text: the values Options.dat holds, writing them and reading them back.
#pragma once

#include <array>
#include <string>

namespace murk {

inline constexpr const char* kOptionsFile = "Options.dat";
inline constexpr size_t kMaxOptionWord = 55;

struct KeyOption {
    std::string name;
    int code = 0;
    bool operator==(const KeyOption&) const = default;
};

// Order in the file: player 1 up, down, left, right, fire, menu; then player 2 the same.
struct OptionValues {
    std::string speed = "20";
    std::array<KeyOption, 12> keys{{{"Up", 38},
                                    {"Down", 40},
                                    {"Left", 37},
                                    {"Right", 39},
                                    {"Ctrl", 17},
                                    {"Shift", 16},
                                    {"T", 84},
                                    {"G", 71},
                                    {"F", 70},
                                    {"H", 72},
                                    {"Z", 90},
                                    {"A", 65}}};
    std::string sound = "On";
    bool operator==(const OptionValues&) const = default;
};

std::string FormatOptions(const OptionValues& v);

// The speed the options window leaves behind: a speed that is not a whole number becomes 4.
void SettleSpeed(OptionValues& v);

// The game-speed edit's rule as its text changes from `before` to `text`: a text that is not a
// whole number becomes 20 (an empty one stays while the player types), and a text longer than
// the file's 55-character words is refused, so every speed the edit holds is read back.
std::string EditedSpeed(const std::string& text, const std::string& before);

// Reads the words of an options file over `v`, taking each as the window would: the speed as
// the speed edit takes a text, each key's name and code as they stand (a code no key sends
// never matches in play), the sound word as it stands. A file that ends early leaves what
// follows as it was; a key whose code is not a whole number, and a word longer than 55
// characters, leave their item as it was. Whatever FormatOptions writes reads back the same.
void ParseOptions(const std::string& text, OptionValues& v);

}  // namespace murk
