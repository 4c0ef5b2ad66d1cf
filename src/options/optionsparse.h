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
};

std::string FormatOptions(const OptionValues& v);

// The speed the options window leaves behind: a speed that is not a whole number becomes 4.
void SettleSpeed(OptionValues& v);

// Reads the words of an options file over `v`. Each item that is missing or unusable (not a
// whole number for the speed, a key code no key name exists for, a sound word other than On or
// Off, a word longer than 55 characters) keeps the value `v` already had, so the game always
// gets options it can use. A key's name is the table's name for its code.
void ParseOptions(const std::string& text, OptionValues& v);

}  // namespace murk
