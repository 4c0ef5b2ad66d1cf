// The players' status panels: refreshed from the records on every third pass of the loop.
#pragma once

#include <string>

namespace murk {

struct App;
struct Player;

// The texts a player's status panel shows, as last refreshed; the scores after a game are
// taken from them.
struct PanelTexts {
    std::string life = "90";
    std::string points = "0";
    std::string kits = "0";
    std::string bombs = "0";
    std::string keys = "0";
    std::string levelsPassed = "0";
    std::string status = "Status:";
};

// The status text with the shield and item-menu wording applied (writes it into the record).
void ApplyStatusWording(Player& p);

void PanelRefresh(App& app);

// Shows the panel texts in the main window's two panels.
void ShowPanelTexts(App& app);

}  // namespace murk
