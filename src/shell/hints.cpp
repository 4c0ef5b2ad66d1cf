// Controls hints over the top rows of the room, and Hints.dat, which remembers them.
#include "shell/hints.h"

#include <algorithm>
#include <array>
#include <sstream>

#include "base/safefile.h"
#include "base/tiles.h"
#include "options/keynames.h"
#include "shell/app.h"
#include "shell/render.h"

namespace murk {

namespace {

constexpr int kHintMs = 5000;
constexpr int kStartHintMs = 7000;
constexpr std::array<const char*, 4> kHintNames = {"start", "kit", "bomb", "shield"};
constexpr Rgb kBack{16, 16, 40};
constexpr Rgb kText{255, 235, 140};
const Font kFont{FontFace::SansBold, 16};
constexpr int kMinPx = 12;  // a long line (player 2's keys named) is drawn smaller to fit

// "Player 2: " in a two-player game; one player needs no name.
std::string Who(const App& app, const Player& p) {
    return app.game.PlayerCount == 2 ? "Player " + std::to_string(p.number) + ": " : "";
}

std::string StartLine(const App& app, const Player& p) {
    return Who(app, p) + KeyLabel(p.upKey) + ", " + KeyLabel(p.downKey) + ", " +
           KeyLabel(p.leftKey) + ", " + KeyLabel(p.rightKey) +
           " walk (two at once: diagonally) - " + KeyLabel(p.fireKey) + " fires - " +
           KeyLabel(p.menuKey) + " opens the item menu";
}

std::string PickUpLine(const App& app, const Player& p, const std::string& hint) {
    const std::string menu = KeyLabel(p.menuKey), fire = KeyLabel(p.fireKey);
    if (hint == "kit")
        return Who(app, p) + "a health kit: " + menu + " opens the item menu on LIFE, " + fire +
               " heals you to full";
    if (hint == "bomb")
        return Who(app, p) + "a bomb: " + menu + ", then " + KeyLabel(p.leftKey) +
               " picks BOMB; hold " + fire +
               " and walk to steer it, let go to blast - keep out of its reach!";
    return Who(app, p) +
           "a shield: bites cannot hurt you while its % on the panel counts down; death fields "
           "and beams still kill";
}

std::string HintsPath(const App& app) {
    return app.DirLbl + kHintsFile;
}

void Load(App& app) {
    HintState& h = app.overlays.hints;
    if (h.loaded) return;
    h.loaded = true;
    std::string text;
    if (app.pf.ReadGameFile(HintsPath(app), 4096, text) == FileReadResult::Read)
        h.seen = ParseHints(text);
}

bool Seen(const HintState& h, const std::string& hint) {
    return std::find(h.seen.begin(), h.seen.end(), hint) != h.seen.end();
}

// A hint that cannot be remembered shows again next time: nothing worse follows, so a failed
// save is not worth a box in the middle of play.
void Remember(App& app, const std::string& hint) {
    HintState& h = app.overlays.hints;
    h.seen.push_back(hint);
    std::string text;
    for (const std::string& name : h.seen) text += name + "\n";
    static_cast<void>(app.pf.SaveGameFile(HintsPath(app), text));
}

int BandRows(const HintState& h) {
    return std::max<int>(1, static_cast<int>(h.lines.size()));
}

void Draw(App& app) {
    const HintState& h = app.overlays.hints;
    const int w = kTilePixels * kRoomCols;
    for (size_t i = 0; i < h.lines.size(); ++i) {
        const int x = kTilePixels, y = kTilePixels * (1 + static_cast<int>(i));
        app.pf.FillRect(x, y, w, kTilePixels, kBack);
        const Font font = FittedFont(app, kFont, h.lines[i], w - 8, kMinPx);
        DrawTextCentred(app, font, kText, x, y, w, kTilePixels, h.lines[i]);
    }
}

void DrawAway(App& app) {
    const HintState& h = app.overlays.hints;
    const int rows = BandRows(h);
    app.pf.FillRect(kTilePixels, kTilePixels, kTilePixels * kRoomCols, kTilePixels * rows, kBack);
    RedrawSquares(app, 1, 1, kRoomCols, rows);
}

void Start(App& app, std::vector<std::string> lines, int ms, int delay) {
    HintState& h = app.overlays.hints;
    if (h.passesLeft > 0) DrawAway(app);
    h.lines = std::move(lines);
    h.passesLeft = PassesFor(ms, delay) + 1;  // this pass counts too
}

// The pick-up hint a pass calls for, if any: the first item picked up that is not yet hinted.
void StartPickUpHints(App& app, int delay) {
    HintState& h = app.overlays.hints;
    for (int i = 0; i < app.game.PlayerCount && i < 2; ++i) {
        const Player& p = app.game.players[static_cast<size_t>(i)];
        const OverlayState::Seen& was = app.overlays.before[static_cast<size_t>(i)];
        if (p.dead) continue;
        const char* hint = p.kits > was.kits                              ? "kit"
                           : p.bombs > was.bombs                          ? "bomb"
                           : p.shieldTime == 100 && was.shieldTime != 100 ? "shield"
                                                                          : nullptr;
        if (!hint || Seen(h, hint)) continue;
        Remember(app, hint);
        Start(app, {PickUpLine(app, p, hint)}, kHintMs, delay);
    }
}

}  // namespace

std::vector<std::string> ParseHints(const std::string& text) {
    std::vector<std::string> seen;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const bool known =
            std::find(kHintNames.begin(), kHintNames.end(), line) != kHintNames.end();
        if (known && std::find(seen.begin(), seen.end(), line) == seen.end()) seen.push_back(line);
    }
    return seen;
}

void ShowHints(App& app, bool arrived, int delay) {
    HintState& h = app.overlays.hints;
    if (!h.enabled) return;
    Load(app);
    if (arrived && !Seen(h, "start")) {
        Remember(app, "start");
        std::vector<std::string> lines;
        for (int i = 0; i < app.game.PlayerCount && i < 2; ++i)
            lines.push_back(StartLine(app, app.game.players[static_cast<size_t>(i)]));
        Start(app, std::move(lines), kStartHintMs, delay);
    }
    StartPickUpHints(app, delay);
    if (h.passesLeft <= 0) return;
    if (--h.passesLeft > 0) return Draw(app);
    DrawAway(app);
    h.lines.clear();
}

void EndHints(App& app) {
    HintState& h = app.overlays.hints;
    if (h.passesLeft > 0) DrawAway(app);
    ClearHints(app);
}

void ClearHints(App& app) {
    app.overlays.hints.passesLeft = 0;
    app.overlays.hints.lines.clear();
}

}  // namespace murk
