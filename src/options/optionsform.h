// TOptionsForm: the options window, where the keys, the game speed and the sound switch are edited.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "options/optionsparse.h"
#include "ui/form.h"

namespace murk {

struct Desk;

// The key test line: which player's which keys are held ("Player 1: Up, Fire   Player 2: Left"),
// each player's in the order pressed; keys that are no player's are left out. "" when none is.
std::string KeyTestLine(const std::vector<int>& held, const OptionValues& options);

// Every edit writes what it shows into the options at once, so the game reads the options and
// never the window.
class TOptionsForm : public Form {
public:
    // `back` is the window that Return and Escape show again.
    TOptionsForm(Desk& desk, OptionValues& options, Form& back);

    Edit* GameSpeedEdit = nullptr;
    Edit* SoundEdit = nullptr;
    Edit *P1UpEdit = nullptr, *P1DownEdit = nullptr, *P1LeftEdit = nullptr, *P1RightEdit = nullptr,
         *P1FireEdit = nullptr, *P1MenuEdit = nullptr;
    Edit *P2UpEdit = nullptr, *P2DownEdit = nullptr, *P2LeftEdit = nullptr, *P2RightEdit = nullptr,
         *P2FireEdit = nullptr, *P2MenuEdit = nullptr;
    Image* ReturnImage = nullptr;
    Image* PadsImage = nullptr;   // opens the pad window (F9 too)
    Label* KeyTestLbl = nullptr;  // which player's which key is held now

    std::function<void()> onOpenPads;

    const OptionValues& Values() const { return options_; }
    // Shows the options in the edits (after they were read from the file or set by a script).
    void ShowOptions();
    // Sound could not be loaded: the switch shows Off, greyed, and no longer switches.
    void LockSoundOff();

    // Assigns a released key to key edit `index` (file order) when the key has a name; anything
    // else is ignored.
    void KeyCapture(int key, size_t index);
    void ToggleSound();
    void LeaveOptions();
    // The speed the window leaves behind: a speed that is not a whole number becomes 4.
    void CheckSpeedOnExit();

    void OpenPads();

protected:
    bool FormKeyDown(int key) override;
    bool FormKeyUp(int key) override;

private:
    std::array<Edit*, 12> KeyEdits() const;
    void ShowKeyTest();
    std::vector<int> held_;  // the keys held in this window, in the order pressed
    Desk& desk_;
    OptionValues& options_;
    Form& back_;
};

}  // namespace murk
