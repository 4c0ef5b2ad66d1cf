// The players' status panels: refreshed from the records on every third pass of the loop.
#pragma once

#include <string>

namespace murk {

struct App;
struct Player;

// The status text with the shield and item-menu wording applied (writes it into the record).
void ApplyStatusWording(Player& p);

void PanelRefresh(App& app);

}  // namespace murk
