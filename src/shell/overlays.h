// Overlays: the game's big moments marked over the room for a moment, then drawn away.
#pragma once

namespace murk {

struct App;

// The overlays watch the player records from pass to pass of the game loop (RunPass): what they
// were when the last pass ended, what they are after this pass's tick, so what a key did in the
// wait between them (a bomb let off) counts as much as the tick. They only draw; the board, the
// rules and the pace never see them. A mark that ends is drawn away from RoomGrid, so the room's
// pixels are then those of a fresh draw.

// Notes the players as they stand before the first pass's tick (later passes start from where
// the last one ended).
void OverlaysBeforeTick(App& app);

// After the tick: ends the marks whose time is up, starts the marks for what the pass did (a
// hurt player, a hit a shield took, a player who fell), and draws the marks still showing and
// the banner of the moment: the game-over wait ("Game Over" with the points), the warp's wait
// ("Level complete" with the points and the levels passed, once no partner plays on; the
// finished players' squares shimmer), or a level's first two seconds (its title). `delay` is the
// pass's wait in milliseconds, which turns a mark's time into passes.
void OverlaysAfterTick(App& app, int delay);

// Draws the banner away (the wait it belonged to is over), the room's squares under it again.
void EndBanner(App& app);

// The warp's wait is over: its banner and its shimmering squares are drawn away.
void EndWarpWait(App& app);

// Draws every overlay away now and forgets it: the game is leaving its room where the menu
// will not cover it.
void EndOverlays(App& app);

// A level has started (a game's first, or the one after a warp): its title shows over the room
// from the next pass on, for two seconds.
void LevelArrived(App& app);

// Drops every mark without drawing (a game starts: the room is drawn afresh) and gives the
// panels their own colours back.
void ClearOverlays(App& app);

}  // namespace murk
