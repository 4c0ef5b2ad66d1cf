// Held-direction key machine and a small search over it.
#include "heldkeys.h"

#include <array>
#include <cstddef>
#include <deque>
#include <map>

namespace murk::route {

namespace {

// Bits of the four direction keys in a mask.
enum : int { kUp = 1, kDown = 2, kLeft = 4, kRight = 8 };

constexpr std::array<int, 9> kOwnKeys = {
    0, kUp, kUp | kRight, kRight, kDown | kRight, kDown, kDown | kLeft, kLeft, kUp | kLeft};

int KeyOfBit(int bit, const DirKeys& k) {
    return bit == kUp ? k.up : bit == kDown ? k.down : bit == kLeft ? k.left : k.right;
}

}  // namespace

int AfterKeyDown(int dir, int key, const DirKeys& k) {
    // Up, down, left, right are tested in this order; the first that matches applies.
    if (key == k.up) return dir == 3 ? 2 : dir == 7 ? 8 : dir == 0 ? 1 : dir;
    if (key == k.down) return dir == 3 ? 4 : dir == 7 ? 6 : dir == 0 ? 5 : dir;
    if (key == k.left) return dir == 1 ? 8 : dir == 5 ? 6 : dir == 0 ? 7 : dir;
    if (key == k.right) return dir == 1 ? 2 : dir == 5 ? 4 : dir == 0 ? 3 : dir;
    return dir;
}

int AfterKeyUp(int dir, int key, const DirKeys& k) {
    if (key == k.up) return dir == 8 ? 7 : dir == 2 ? 3 : 0;
    if (key == k.down) return dir == 6 ? 7 : dir == 4 ? 3 : 0;
    if (key == k.left) return dir == 8 ? 1 : dir == 6 ? 5 : 0;
    if (key == k.right) return dir == 2 ? 1 : dir == 4 ? 5 : 0;
    return dir;
}

std::vector<KeyEvent> KeysToHold(int fromDir, const std::set<int>& down, int toDir,
                                 const DirKeys& k) {
    int mask = 0;
    for (int bit : {kUp, kDown, kLeft, kRight})
        if (down.count(KeyOfBit(bit, k))) mask |= bit;
    // Breadth first over (held direction, keys down); at most eight key events are ever needed.
    using State = std::pair<int, int>;
    const State start{fromDir, mask};
    const State goal{toDir, kOwnKeys[static_cast<std::size_t>(toDir)]};
    std::map<State, std::pair<State, KeyEvent>> from;
    std::deque<State> queue{start};
    from[start] = {start, {}};
    while (!queue.empty()) {
        const State s = queue.front();
        queue.pop_front();
        if (s == goal) break;
        for (int bit : {kUp, kDown, kLeft, kRight}) {
            const int key = KeyOfBit(bit, k);
            const bool isDown = (s.second & bit) != 0;
            const State next = isDown ? State{AfterKeyUp(s.first, key, k), s.second & ~bit}
                                      : State{AfterKeyDown(s.first, key, k), s.second | bit};
            if (from.count(next)) continue;
            from[next] = {s, {!isDown, key}};
            queue.push_back(next);
        }
    }
    std::vector<KeyEvent> events;
    if (!from.count(goal)) return events;
    for (State s = goal; s != start; s = from[s].first)
        events.insert(events.begin(), from[s].second);
    return events;
}

}  // namespace murk::route
