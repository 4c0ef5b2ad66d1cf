// The players' status panels: refreshed from the records on every third pass of the loop.
#pragma once

namespace murk {

struct App;
struct Player;

// The status text with the shield and item-menu wording applied (writes it into the record).
void ApplyStatusWording(Player& p);

void PanelRefresh(App& app);

// Shows the panel texts in the main window's two panels.
void ShowPanelTexts(App& app);

}  // namespace murk
