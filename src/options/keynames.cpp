// The key-name table.
#include "options/keynames.h"

#include <array>
#include <utility>

namespace murk {

namespace {

constexpr std::array<std::pair<int, const char*>, 32> kNamedKeys = {{
    {17, "Ctrl"},  {16, "Shift"}, {38, "Up"},   {40, "Down"},  {37, "Left"}, {39, "Right"},
    {13, "Enter"}, {18, "Alt"},   {8, "Back"},  {32, "Space"}, {107, "N+"},  {36, "Home"},
    {35, "End"},   {33, "PgUp"},  {34, "PgDn"}, {46, "Del"},   {45, "Ins"},  {192, "~"},
    {189, "-"},    {187, "+"},    {106, "N*"},  {110, "NDel"}, {220, "|"},   {219, "["},
    {221, "]"},    {186, ";"},    {222, "'"},   {188, "<"},    {190, ">"},   {191, "?"},
    {111, "N/"},   {109, "N-"},
}};

}  // namespace

std::optional<std::string> KeyName(int code) {
    if (code >= 'A' && code <= 'Z') return std::string(1, static_cast<char>(code));
    if (code >= '0' && code <= '9') return std::string(1, static_cast<char>(code));
    if (code >= 96 && code <= 105) return "N" + std::to_string(code - 96);
    for (const auto& [c, name] : kNamedKeys)
        if (c == code) return std::string(name);
    return std::nullopt;
}

std::string KeyLabel(int code) {
    return KeyName(code).value_or("key " + std::to_string(code));
}

}  // namespace murk
