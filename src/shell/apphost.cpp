// The program as the rules' host: each call goes to the program's own drawing, sound and pump.
#include "shell/app.h"
#include "shell/render.h"

namespace murk {

void App::DrawSquare(int col, int row, std::string_view code) {
    // A failed draw has shown its error and returned the game to the menu.
    murk::DrawSquare(*this, col, row, tiles.ForCode(code));
}

void App::DrawRoom() {
    murk::DrawRoom(*this);
}

void App::PlaySound(std::string_view id) {
    murk::PlaySound(*this, sound, id);
}

void App::PumpMessages() {
    ProcessMessages(*this);
}

void App::ShowException(const std::string& text) {
    murk::ShowException(*this, text);
}

}  // namespace murk
