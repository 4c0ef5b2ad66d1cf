// The menu's and the options' texts as numbers.
#include "shell/settings.h"

#include <optional>

#include "base/wholenumber.h"
#include "shell/app.h"

namespace murk {

int StrToInt(const std::string& text) {
    if (std::optional<int> value = ParseWholeNumber(text)) return *value;
    throw Failure{"'" + text + "' is not a valid integer value"};
}

int MenuLevel(const App& app) {
    return StrToInt(app.menu.level);
}

int MenuPlayers(const App& app) {
    return StrToInt(app.menu.players);
}

int GameSpeed(const App& app) {
    return StrToInt(app.options.speed);
}

}  // namespace murk
