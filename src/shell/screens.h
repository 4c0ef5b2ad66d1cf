// The main window's screens and the moves between them, and the program's end: the one place
// that decides where the player is. Drawing and loading only report their failures; their
// callers come here to act on them.
//
// The screens: the menu (menuscreen.h), play (playscreen.h, its loop in gameloop.h) and the
// level editor (editscreen.h), from which a game is a test play.
// A new screen derives from Screen (screen.h), is made with the windows at start-up
// (startup.cpp) and gets its move here.
#pragma once

namespace murk {

struct App;

// Shows the menu state (level and player labels, the menu box) and hands the main window's
// keys to the screen that goes with it: the menu's while the menu shows, the editor's while it
// is open and no test play runs, else play's. A screen that takes the window is told (Shown).
void ShowMenuState(App& app);

// The menu steps aside for the level editor, or comes back when the editor closes.
void ShowEditScreen(App& app);
void CloseEditScreen(App& app);

// The menu steps aside for a game that starts: keys go to the players.
void ShowPlayScreen(App& app);

// Back to the menu: the game stops, and so do its warp and game-over timers. Also where a
// game goes when drawing it failed (the failure has been shown). A test play goes back to the
// level editor instead.
void ReturnToMenu(App& app);

// A game's timers belong to it alone: stopped when it ends and before the next one starts.
void StopGameTimers(App& app);

// Restores the display, saves the options when the display question was settled, and ends
// the program: every loop stops at its next check.
void ShutDown(App& app);

}  // namespace murk
