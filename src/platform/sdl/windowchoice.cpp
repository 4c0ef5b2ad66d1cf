// Reading and writing the window-or-full-screen choice.
#include "platform/sdl/windowchoice.h"

#include <sstream>

#include "base/safefile.h"

namespace murk::sdl {

namespace {

constexpr int kMinSide = 64, kMaxSide = 16384;
constexpr size_t kMaxFileBytes = 256;

}  // namespace

WindowChoice ParseWindowChoice(const std::string& text) {
    std::istringstream in(text);
    std::string mode;
    long long w = 0, h = 0;
    if (!(in >> mode >> w >> h) || (mode != "Window" && mode != "FullScreen")) return {};
    if (w < kMinSide || h < kMinSide || w > kMaxSide || h > kMaxSide) return {};
    return {mode == "Window", static_cast<int>(w), static_cast<int>(h)};
}

std::string FormatWindowChoice(const WindowChoice& c) {
    return std::string(c.windowed ? "Window " : "FullScreen ") + std::to_string(c.width) + " " +
           std::to_string(c.height) + "\n";
}

WindowChoice ReadWindowChoice(const std::string& path) {
    std::string text;
    if (!path.empty()) RemoveStaleTemporaries(path);  // left by a save cut short
    if (path.empty() || ReadWholeFile(path, kMaxFileBytes, text) != FileReadResult::Read) return {};
    return ParseWindowChoice(text);
}

void WriteWindowChoice(const std::string& path, const WindowChoice& choice) {
    // A convenience, not the player's data: when it cannot be saved, the next start is full
    // screen, as on a first start.
    if (!path.empty()) static_cast<void>(WriteFileAtomically(path, FormatWindowChoice(choice)));
}

}  // namespace murk::sdl
