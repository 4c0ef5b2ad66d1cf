// The pads connected, their players, and what a pad's d-pad, stick and buttons hold.
#include "ui/pads.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace murk {

namespace {

const std::string kUnknownKind(32, '0');

const RememberedPad* Remembered(const PadSettings& s, const std::string& kind, int rank) {
    for (const RememberedPad& r : s.pads)
        if (r.kind == kind && r.rank == rank) return &r;
    return nullptr;
}

int DefaultPlayer(const PadBoard& board, const ConnectedPad* except) {
    for (const ConnectedPad& p : board.connected)
        if (&p != except && p.player == 1) return 2;
    return 1;
}

// tan(22.5 degrees) as a fraction: a stick at most this far off an axis holds that direction
// alone; further off, the direction beside it too.
constexpr int64_t kOffAxisNum = 414, kOffAxisDen = 1000;

}  // namespace

PadControls HeldControls(const ConnectedPad& p) {
    PadControls held{};
    const auto& b = p.buttons;
    auto set = [&held](PadControl c, bool on) { held[static_cast<size_t>(c)] = on; };
    if (b[pad::DpadUp] || b[pad::DpadDown] || b[pad::DpadLeft] || b[pad::DpadRight]) {
        set(PadControl::Up, b[pad::DpadUp]);
        set(PadControl::Down, b[pad::DpadDown]);
        set(PadControl::Left, b[pad::DpadLeft]);
        set(PadControl::Right, b[pad::DpadRight]);
    } else {
        const int64_t x = p.axes[pad::LeftX], y = p.axes[pad::LeftY];
        if (x * x + y * y >= int64_t{kStickDeadZone} * kStickDeadZone) {
            const int64_t ax = std::llabs(x), ay = std::llabs(y);
            const bool across = ax * kOffAxisDen > ay * kOffAxisNum;
            const bool upDown = ay * kOffAxisDen > ax * kOffAxisNum;
            set(PadControl::Left, across && x < 0);
            set(PadControl::Right, across && x > 0);
            set(PadControl::Up, upDown && y < 0);
            set(PadControl::Down, upDown && y > 0);
        }
    }
    set(PadControl::Fire, b[pad::A]);
    set(PadControl::ItemMenu, b[pad::B]);
    set(PadControl::Start, b[pad::Start]);
    set(PadControl::Select, b[pad::Back]);
    return held;
}

ConnectedPad* FindPad(PadBoard& board, int id) {
    for (ConnectedPad& p : board.connected)
        if (p.id == id) return &p;
    return nullptr;
}

std::optional<std::string> PadKind(const std::string& word) {
    if (word.size() != 32) return std::nullopt;
    std::string kind = word;
    for (char& c : kind) {
        if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
    }
    return kind;
}

std::string CleanPadName(const std::string& name) {
    std::string clean;
    for (char c : name) {
        if (clean.size() == kMaxPadName) break;
        clean += c >= ' ' && c <= '~' ? c : '?';
    }
    const size_t first = clean.find_first_not_of(' ');
    if (first == std::string::npos) return "Game pad";
    return clean.substr(first, clean.find_last_not_of(' ') + 1 - first);
}

void ParsePadIdentity(const std::string& text, std::string& kind, std::string& name) {
    const size_t space = text.find(' ');
    kind = PadKind(text.substr(0, space)).value_or(kUnknownKind);
    name = CleanPadName(space == std::string::npos ? "" : text.substr(space + 1));
}

ConnectedPad* AddPad(PadBoard& board, int id, const std::string& identity) {
    if (FindPad(board, id) || board.connected.size() >= kMaxConnectedPads) return nullptr;
    ConnectedPad p;
    p.id = id;
    ParsePadIdentity(identity, p.kind, p.name);
    auto taken = [&](int rank) {
        return std::any_of(
            board.connected.begin(), board.connected.end(),
            [&](const ConnectedPad& o) { return o.kind == p.kind && o.rank == rank; });
    };
    while (taken(p.rank)) ++p.rank;
    const RememberedPad* r = Remembered(board.settings, p.kind, p.rank);
    p.player = r ? r->player : DefaultPlayer(board, nullptr);
    board.connected.push_back(std::move(p));
    return &board.connected.back();
}

void ApplyRemembered(PadBoard& board) {
    for (ConnectedPad& p : board.connected) {
        const RememberedPad* r = Remembered(board.settings, p.kind, p.rank);
        p.player = r ? r->player : DefaultPlayer(board, &p);
    }
}

void ChoosePlayer(PadBoard& board, ConnectedPad& p, int player) {
    p.player = player;
    auto& pads = board.settings.pads;
    std::erase_if(pads,
                  [&](const RememberedPad& r) { return r.kind == p.kind && r.rank == p.rank; });
    pads.push_back({p.kind, p.rank, player, p.name});
    if (pads.size() > kMaxRememberedPads)
        pads.erase(pads.begin(), pads.end() - static_cast<ptrdiff_t>(kMaxRememberedPads));
}

}  // namespace murk
