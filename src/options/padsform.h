// TPadsForm: the small pad window over the options window, where each connected game pad is given
// to player 1 or player 2 and the pause when the game's window is left is switched.
#pragma once

#include <array>

#include "ui/form.h"

namespace murk {

struct Desk;

class TPadsForm : public Form {
public:
    static constexpr size_t kRows = 4;  // pads listed; more are counted below them

    TPadsForm(Desk& desk, PadBoard& board);

    std::array<Label*, kRows> PadNameLbl{};
    std::array<Edit*, kRows> PadPlayerEdit{};
    Label* MorePadsLbl = nullptr;
    Edit* PauseEdit = nullptr;
    Image* ReturnImage = nullptr;

    // Pads.dat is written when the window closes after a change (murk-sim keeps it to itself).
    bool saves = true;

    // Shows the window over the one on top (the options window), which it returns to.
    void Open();
    void Leave();
    // Row `row`'s pad plays the other player.
    void TogglePlayer(size_t row);
    void TogglePause();

    // A pad's left gives it to player 1 and its right to player 2; its other controls work as
    // in any window (the item-menu button leaves).
    bool PadPressed(ConnectedPad& p, PadControl c) override;
    void PadsChanged() override { ShowPads(); }

protected:
    bool FormKeyUp(int key) override;
    void FormPaint() override;

private:
    void ShowPads();
    Desk& desk_;
    PadBoard& board_;
    PadSettings opened_;  // the settings as the window found them
};

}  // namespace murk
