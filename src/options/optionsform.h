// TOptionsForm: the options window, the live store of the keys, game speed and sound switch.
#pragma once

#include "options/optionsfile.h"
#include "ui/form.h"

namespace murk {

struct App;

struct PlayerKeyEdits {
    Edit* up = nullptr;
    Edit* down = nullptr;
    Edit* left = nullptr;
    Edit* right = nullptr;
    Edit* fire = nullptr;
    Edit* menu = nullptr;
};

class TOptionsForm : public Form {
public:
    explicit TOptionsForm(App& app);

    Edit* GameSpeedEdit = nullptr;
    Edit* SoundEdit = nullptr;
    Edit *P1UpEdit = nullptr, *P1DownEdit = nullptr, *P1LeftEdit = nullptr,
         *P1RightEdit = nullptr, *P1FireEdit = nullptr, *P1MenuEdit = nullptr;
    Edit *P2UpEdit = nullptr, *P2DownEdit = nullptr, *P2LeftEdit = nullptr,
         *P2RightEdit = nullptr, *P2FireEdit = nullptr, *P2MenuEdit = nullptr;
    Image* ReturnImage = nullptr;

    PlayerKeyEdits P1Keys() const { return {P1UpEdit, P1DownEdit, P1LeftEdit, P1RightEdit, P1FireEdit, P1MenuEdit}; }
    PlayerKeyEdits P2Keys() const { return {P2UpEdit, P2DownEdit, P2LeftEdit, P2RightEdit, P2FireEdit, P2MenuEdit}; }

    OptionValues Values() const;
    void SetValues(const OptionValues& v);

    // Assigns a released key to a key edit when the key has a name; anything else is ignored.
    static void KeyCapture(int key, Edit& edit);
    void ToggleSound();
    void LeaveOptions();
    // The speed the window leaves behind: a speed that is not a whole number becomes 4.
    void CheckSpeedOnExit();

protected:
    bool FormKeyUp(int key) override;

private:
    std::array<Edit*, 12> KeyEdits() const;
    App& app_;
};

}  // namespace murk
