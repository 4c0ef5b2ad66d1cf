// The application's construction: its timers join the desk's pump.
#include "shell/app.h"

#include "options/optionsform.h"
#include "options/padsform.h"
#include "shell/mainform.h"

namespace murk {

App::App(Platform& platform) : Desk(platform) {
    timers = {&WarpTimer, &GameOverTimer};
    UseGenerator(&game.rng);
}
App::~App() = default;

}  // namespace murk
