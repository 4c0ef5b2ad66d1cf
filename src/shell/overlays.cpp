// Overlays: marks over the room's squares, counted down in passes and drawn away from RoomGrid.
#include "shell/overlays.h"

#include <algorithm>
#include <utility>

#include "base/square.h"
#include "base/tiles.h"
#include "players/bombs.h"
#include "shell/app.h"
#include "shell/hints.h"
#include "shell/itemmenu.h"
#include "shell/mainform.h"
#include "shell/render.h"
#include "ui/style.h"

namespace murk {

namespace {

constexpr int kHitMs = 150;
constexpr int kFallenMs = 500;
constexpr int kTitleMs = 2000;
constexpr Rgb kFallenColour{150, 0, 0};
constexpr Rgb kWarpColour{255, 235, 140};
constexpr Rgb kReachColour{255, 150, 0};
constexpr Rgb kBlastColour{255, 240, 200};
constexpr int kBlastMs = 300;
// The banner covers whole squares, so that drawing them again takes it away.
// The banner stands in the middle band of rows, or above or below it where it would hide a player
// or a finished player's shimmering square.
constexpr int kBannerCol = 6, kBannerCols = 20, kBannerRow = 8, kBannerRows = 4;
constexpr int kBannerRowAbove = 3, kBannerRowBelow = 13;
constexpr int kLineGap = 4;        // pixels between the banner's lines
constexpr int kBannerMargin = 12;  // pixels kept clear at each end of a line
constexpr int kBannerMinPx = 16;
constexpr Rgb kBannerBack = style::kBoxBack;
constexpr Rgb kBannerTitle = style::kBoxHighlight;
constexpr Rgb kBannerText = style::kBoxText;
constexpr Rgb kHurtColour{220, 30, 30};
constexpr Rgb kShieldColour{150, 210, 255};

// Only a running game's room is on the screen; under the menu nothing is drawn.
bool RoomShowing(const App& app) {
    return app.overlays.enabled && GameRunning(app) && !app.menu.shown;
}

bool InCurrentRoom(const App& app, const SquareMark& m) {
    return m.roomCol == app.game.CurrentRoomCol && m.roomRow == app.game.CurrentRoomRow;
}

Label& LifeLabel(App& app, int player) {
    return *(player == 0 ? app.mainForm->P1Panel : app.mainForm->P2Panel).life;
}

void FlashLife(App& app, int player, bool on) {
    OverlayState& o = app.overlays;
    if (o.lifeFlashing[player] == on) return;
    Label& life = LifeLabel(app, player);
    if (on) o.lifeColour[player] = life.Colour();
    life.SetColour(on ? kHurtColour : o.lifeColour[player]);
    o.lifeFlashing[player] = on;
}

// A cross over the square where a player fell, corner to corner.
void DrawCross(App& app, const SquareMark& m) {
    const int x = kTilePixels * m.col, y = kTilePixels * m.row;
    for (int d = 2; d < kTilePixels - 4; d += 2) {
        app.pf.FillRect(x + d, y + d, 3, 3, kFallenColour);
        app.pf.FillRect(x + kTilePixels - 3 - d, y + d, 3, 3, kFallenColour);
    }
}

// Every third pixel row lit, the lit rows moving down a row each pass: a shimmer.
void DrawShimmer(App& app, const SquareMark& m) {
    RedrawSquare(app, m.col, m.row);  // the last pass's rows go first
    const int x = kTilePixels * m.col, y = kTilePixels * m.row;
    for (int dy = static_cast<int>(app.overlays.passes % 3); dy < kTilePixels; dy += 3)
        app.pf.FillRect(x, y + dy, kTilePixels, 1, kWarpColour);
}

// A frame one pixel wide round the square.
void DrawOutline(App& app, const SquareMark& m) {
    const int x = kTilePixels * m.col, y = kTilePixels * m.row, last = kTilePixels - 1;
    app.pf.FillRect(x, y, kTilePixels, 1, kReachColour);
    app.pf.FillRect(x, y + last, kTilePixels, 1, kReachColour);
    app.pf.FillRect(x, y, 1, kTilePixels, kReachColour);
    app.pf.FillRect(x + last, y, 1, kTilePixels, kReachColour);
}

// Every other pixel row of the square in the mark's colour: a tint the tile shows through.
void DrawMark(App& app, const SquareMark& m) {
    if (m.kind == SquareMark::Kind::Reach) return DrawOutline(app, m);
    if (m.kind == SquareMark::Kind::Fallen) return DrawCross(app, m);
    if (m.kind == SquareMark::Kind::Warping) return DrawShimmer(app, m);
    const Rgb colour = m.kind == SquareMark::Kind::Shielded  ? kShieldColour
                       : m.kind == SquareMark::Kind::Blasted ? kBlastColour
                                                             : kHurtColour;
    const int x = kTilePixels * m.col, y = kTilePixels * m.row;
    for (int dy = 0; dy < kTilePixels; dy += 2) app.pf.FillRect(x, y + dy, kTilePixels, 1, colour);
}

// Whether the band of rows from `row` holds (col, r).
bool InBand(int row, int col, int r) {
    return r >= row && r < row + kBannerRows && col >= kBannerCol && col < kBannerCol + kBannerCols;
}

// The band the banner takes now: the middle one, else the one above or below it, whichever
// hides neither a player still in the room nor a finished player's shimmering square.
int BannerRowFor(const App& app) {
    const auto clear = [&app](int row) {
        for (const SquareMark& m : app.overlays.marks)
            if (m.kind == SquareMark::Kind::Warping && InCurrentRoom(app, m) &&
                InBand(row, m.col, m.row))
                return false;
        for (int i = 0; i < app.game.PlayerCount && i < 2; ++i) {
            const Player& p = app.game.players[static_cast<size_t>(i)];
            if (!p.dead && !p.finished && InBand(row, p.col, p.row)) return false;
        }
        return true;
    };
    for (int row : {kBannerRow, kBannerRowAbove, kBannerRowBelow})
        if (clear(row)) return row;
    return kBannerRow;
}

void DrawBanner(App& app) {
    const int x = kTilePixels * kBannerCol, y = kTilePixels * app.overlays.bannerRow;
    const int w = kTilePixels * kBannerCols, h = kTilePixels * kBannerRows;
    app.pf.FillRect(x, y, w, h, kBannerBack);
    const std::vector<std::string>& lines = app.overlays.banner;
    // The lines stand in the middle of the band, however many there are; a line too wide for it
    // (a long level title) is drawn smaller until it fits.
    std::vector<Font> fonts(lines.size());
    std::vector<std::pair<int, int>> sizes(lines.size());
    int total = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        fonts[i] = FittedFont(app, Font{FontFace::SansBold, i == 0 ? 40 : 21}, lines[i],
                              w - 2 * kBannerMargin, kBannerMinPx);
        app.pf.TextSize(fonts[i], lines[i], sizes[i].first, sizes[i].second);
        total += sizes[i].second + (i > 0 ? kLineGap : 0);
    }
    int top = y + std::max(0, (h - total) / 2);
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto [tw, th] = sizes[i];
        app.pf.DrawText(fonts[i], i == 0 ? kBannerTitle : kBannerText, x + (w - tw) / 2, top,
                        lines[i], x, y, w, h);
        top += th + kLineGap;
    }
}

std::string PointsLine(const Player& p, int number) {
    return "Player " + std::to_string(number) + ": " + std::to_string(p.points) + " points";
}

// A finished player has passed the level it stands in, which the record counts at the warp.
std::string PassedLine(const Player& p, int number) {
    const int passed = p.levelsPassed + (p.finished ? 1 : 0);
    return PointsLine(p, number) + ", " + std::to_string(passed) +
           (passed == 1 ? " level passed" : " levels passed");
}

// No one plays on in the room: the banner hides no one's way.
bool EveryoneDone(const Game& g) {
    const auto done = [](const Player& p) { return p.finished || p.dead; };
    return done(g.players[0]) && (g.PlayerCount != 2 || done(g.players[1]));
}

// The banner for the wait the game is in, if any: none, or lines, title first.
std::vector<std::string> BannerForNow(const App& app) {
    const Game& g = app.game;
    std::vector<std::string> lines;
    if (app.GameOverTimer.interval > 0) {
        lines.push_back("Game Over");
        for (int i = 0; i < g.PlayerCount && i < 2; ++i)
            lines.push_back(PointsLine(g.players[static_cast<size_t>(i)], i + 1));
    } else if (app.WarpTimer.interval > 0 && EveryoneDone(g)) {
        lines.push_back("Level complete");
        for (int i = 0; i < g.PlayerCount && i < 2; ++i)
            lines.push_back(PassedLine(g.players[static_cast<size_t>(i)], i + 1));
    } else if (app.overlays.titlePassesLeft > 0) {
        lines.push_back(app.levelTitle);
    }
    return lines;
}

void StartMark(App& app, SquareMark::Kind kind, int player, int col, int row, int passes) {
    SquareMark m{kind, col, row, app.game.CurrentRoomCol, app.game.CurrentRoomRow, player, passes};
    app.overlays.marks.push_back(m);
    if (kind == SquareMark::Kind::Hurt) FlashLife(app, player, true);
}

// The squares the blast of a bomb at (col, row) reaches, as the rules blast them; its flash
// lights the bomb's own square too.
void MarkBlast(App& app, SquareMark::Kind kind, int player, int col, int row, int passes) {
    for (const Square s : BlastSquares({col, row}))
        StartMark(app, kind, player, s.col, s.row, passes);
    if (kind == SquareMark::Kind::Blasted) StartMark(app, kind, player, col, row, passes);
}

// The players as the overlays last saw them, and the sounds from then on counted afresh.
void RememberPlayers(App& app) {
    OverlayState& o = app.overlays;
    for (size_t i = 0; i < 2; ++i) {
        const Player& p = app.game.players[i];
        o.before[i] = {p.life,    p.dead,    p.col,  p.row,   p.bombHeld,
                       p.bombCol, p.bombRow, p.kits, p.bombs, p.shieldTime};
    }
    o.roomColBefore = app.game.CurrentRoomCol;
    o.roomRowBefore = app.game.CurrentRoomRow;
    o.hurtSounds = 0;
    o.blastSounds = 0;
    o.seen = true;
}

}  // namespace

void OverlaysBeforeTick(App& app) {
    if (!app.overlays.seen) RememberPlayers(app);
}

void OverlaysAfterTick(App& app, int delay) {
    OverlayState& o = app.overlays;
    if (!RoomShowing(app)) {
        ClearOverlays(app);
        return;
    }
    // Marks whose time is up are drawn away; one from another room went with that room.
    ++o.passes;
    const bool arrived = o.arrived;
    if (o.arrived) o.titlePassesLeft = PassesFor(kTitleMs, delay) + 1;  // this pass counts too
    o.arrived = false;
    if (o.titlePassesLeft > 0) --o.titlePassesLeft;
    std::erase_if(o.marks, [&app](SquareMark& m) {
        if (m.kind == SquareMark::Kind::Warping || --m.passesLeft > 0) return false;
        if (InCurrentRoom(app, m)) RedrawSquare(app, m.col, m.row);
        return true;
    });
    for (int i = 0; i < 2; ++i) {
        const bool hurt = std::any_of(o.marks.begin(), o.marks.end(), [i](const SquareMark& m) {
            return m.player == i && m.kind == SquareMark::Kind::Hurt;
        });
        if (!hurt) FlashLife(app, i, false);
    }

    const Game& g = app.game;
    int hurtPlayers = 0;
    for (int i = 0; i < g.PlayerCount && i < 2; ++i) {
        const Player& p = g.players[static_cast<size_t>(i)];
        const OverlayState::Seen& was = o.before[static_cast<size_t>(i)];
        if (p.dead && !was.dead)
            StartMark(app, SquareMark::Kind::Fallen, i, p.col, p.row, PassesFor(kFallenMs, delay));
        if (p.dead || was.dead || p.life >= was.life) continue;
        ++hurtPlayers;
        StartMark(app, SquareMark::Kind::Hurt, i, p.col, p.row, PassesFor(kHitMs, delay));
    }
    // A hit a shield takes changes nothing in the record but plays the hurt sound.
    if (o.hurtSounds > hurtPlayers) {
        for (int i = 0; i < g.PlayerCount && i < 2; ++i) {
            const Player& p = g.players[static_cast<size_t>(i)];
            const OverlayState::Seen& was = o.before[static_cast<size_t>(i)];
            if (!p.dead && p.shieldTime > 0 && p.life == was.life)
                StartMark(app, SquareMark::Kind::Shielded, i, p.col, p.row,
                          PassesFor(kHitMs, delay));
        }
    }
    // A held bomb's reach is outlined anew each pass; when it goes off in the room it was held
    // in, the blast's squares flash.
    const bool sameRoom =
        o.roomColBefore == g.CurrentRoomCol && o.roomRowBefore == g.CurrentRoomRow;
    for (int i = 0; i < g.PlayerCount && i < 2; ++i) {
        const Player& p = g.players[static_cast<size_t>(i)];
        const OverlayState::Seen& was = o.before[static_cast<size_t>(i)];
        if (p.bombHeld) MarkBlast(app, SquareMark::Kind::Reach, i, p.bombCol, p.bombRow, 1);
        if (was.bombHeld && !p.bombHeld && sameRoom && (!p.dead || o.blastSounds > 0))
            MarkBlast(app, SquareMark::Kind::Blasted, i, was.bombCol, was.bombRow,
                      PassesFor(kBlastMs, delay));
    }
    // During the warp's wait the finished players' squares shimmer, until the wait ends.
    if (app.WarpTimer.interval > 0) {
        for (int i = 0; i < g.PlayerCount && i < 2; ++i) {
            const Player& p = g.players[static_cast<size_t>(i)];
            const bool marked =
                std::any_of(o.marks.begin(), o.marks.end(), [i](const SquareMark& m) {
                    return m.player == i && m.kind == SquareMark::Kind::Warping;
                });
            if (p.finished && !p.dead && !marked)
                StartMark(app, SquareMark::Kind::Warping, i, p.col, p.row, 0);
        }
    }
    for (const SquareMark& m : o.marks)
        if (InCurrentRoom(app, m)) DrawMark(app, m);
    std::vector<std::string> banner = BannerForNow(app);
    if (banner.empty()) {
        EndBanner(app);
    } else {
        // A band the banner leaves is drawn back first.
        const int row = BannerRowFor(app);
        if (!o.banner.empty() && row != o.bannerRow) EndBanner(app);
        o.banner = std::move(banner);
        o.bannerRow = row;
        DrawBanner(app);
    }
    ShowItemMenus(app);
    ShowHints(app, arrived, delay);
    RememberPlayers(app);
}

void EndBanner(App& app) {
    OverlayState& o = app.overlays;
    if (o.banner.empty()) return;
    o.banner.clear();
    if (!RoomShowing(app)) return;
    // The band is cleared first: a text drawn on the canvas goes only with a fill over it.
    app.pf.FillRect(kTilePixels * kBannerCol, kTilePixels * o.bannerRow, kTilePixels * kBannerCols,
                    kTilePixels * kBannerRows, kBannerBack);
    RedrawSquares(app, kBannerCol, o.bannerRow, kBannerCols, kBannerRows);
}

void EndWarpWait(App& app) {
    EndBanner(app);
    const bool draw = RoomShowing(app);
    std::erase_if(app.overlays.marks, [&app, draw](const SquareMark& m) {
        if (m.kind != SquareMark::Kind::Warping) return false;
        if (draw && InCurrentRoom(app, m)) RedrawSquare(app, m.col, m.row);
        return true;
    });
}

void EndOverlays(App& app) {
    EndBanner(app);
    if (RoomShowing(app)) {
        for (const SquareMark& m : app.overlays.marks)
            if (InCurrentRoom(app, m)) RedrawSquare(app, m.col, m.row);
        EndItemMenus(app);
        EndHints(app);
    }
    ClearOverlays(app);
}

void LevelArrived(App& app) {
    app.overlays.arrived = true;
}

void ClearOverlays(App& app) {
    app.overlays.seen = false;
    app.overlays.marks.clear();
    app.overlays.banner.clear();
    app.overlays.arrived = false;
    app.overlays.titlePassesLeft = 0;
    for (int i = 0; i < 2; ++i) FlashLife(app, i, false);
    ClearItemMenus(app);
    ClearHints(app);
}

}  // namespace murk
