// TMainForm: the main window — menu, playfield, title and the two status panels.
#pragma once

#include <functional>

#include "shell/programstate.h"
#include "shell/screen.h"
#include "ui/desk.h"
#include "ui/form.h"

namespace murk {

struct PlayerPanel {
    Panel* box = nullptr;
    Label* life = nullptr;
    Label* points = nullptr;
    Label* kits = nullptr;
    Label* bombs = nullptr;
    Label* keys = nullptr;
    Label* levelsPassed = nullptr;
    Label* status = nullptr;
};

// The main window's widgets. What its keys and buttons do belongs to the screen showing
// (`screen`, set by the moves between screens); what its paint does, to the program (`onPaint`).
class TMainForm : public Form {
public:
    TMainForm(Desk& desk, const MenuState& menu);

    Screen* screen = nullptr;
    std::function<void()> onPaint;

    Panel* MenuBox = nullptr;
    Image* LogoImage = nullptr;
    Image* RandomImage = nullptr;
    Image* StartImage = nullptr;
    Image* LevelImage = nullptr;
    Image* PlayersImage = nullptr;
    Image* OptionsImage = nullptr;
    Image* ScoresImage = nullptr;
    Image* QuitImage = nullptr;
    Image* HelpImage = nullptr;
    Image* LevelDownImage = nullptr;
    Image* LevelUpImage = nullptr;
    Label* LevelLbl = nullptr;
    Label* NumPlayersLbl = nullptr;
    Label* LevelTitleLbl = nullptr;
    PlayerPanel P1Panel, P2Panel;

    bool LevelUpRepeat = false;
    bool LevelDownRepeat = false;

    // Gives the menu entries their button pictures (start-up, once the pictures are loaded).
    void AssignMenuPictures();
    void ShowPanels(bool twoPlayers);

    // A pad's controls mean what the screen showing makes them.
    int PadKey(PadControl c, int player) const override {
        return screen ? screen->PadKey(c, player) : 0;
    }
    const void* KeyTarget() const override { return screen; }

protected:
    bool FormKeyDown(int key) override;
    bool FormKeyUp(int key) override;
    bool FormMouseDown(int button, int x, int y) override;
    bool FormMouseUp(int button, int x, int y) override;
    void FormMouseMove(int x, int y) override;
    void FormPaint() override;

private:
    void BuildMenu(const MenuState& menu);
    void BuildPanels();
    Desk& desk_;
};

}  // namespace murk
