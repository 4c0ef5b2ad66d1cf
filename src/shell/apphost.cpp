// The program as the rules' host: each call goes to the program's own drawing, sound and pump;
// where a draw fails, the host ends the game, as the rules expect of it.
#include "base/soundtable.h"
#include "shell/app.h"
#include "shell/render.h"
#include "shell/screens.h"

namespace murk {

void App::DrawSquare(int col, int row, std::string_view code) {
    if (!RenderSquare(*this, col, row, tiles.ForCode(code))) ReturnToMenu(*this);
}

void App::DrawRoom() {
    if (!RenderRoom(*this)) ReturnToMenu(*this);
}

void App::PlaySound(std::string_view id) {
    if (id == sound::Hurt) ++overlays.hurtSounds;  // a shield's absorbed hit shows only here
    if (id == sound::BombExplode) ++overlays.blastSounds;
    murk::PlaySound(*this, sound, id);
}

void App::PumpMessages() {
    ProcessMessages(*this);
}

void App::ShowException(const std::string& text) {
    murk::ShowException(*this, text);
}

}  // namespace murk
