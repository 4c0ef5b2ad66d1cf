// The end-to-end tests' virtual pad: attached through SDL's virtual joystick, driven by a file.
#include "platform/sdl/testpad.h"

#include <SDL_gamecontroller.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace murk::sdl {

TestPad::~TestPad() {
    Detach();
    if (fd_ >= 0) ::close(fd_);
}

void TestPad::Start(bool padsAvailable) {
    const char* file = std::getenv(kTestPadVariable);
    if (!file || !*file || !padsAvailable) return;
    fd_ = ::open(file, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        std::fprintf(stderr, "murk: %s: cannot read %s; no test pad\n", kTestPadVariable, file);
        return;
    }
    Attach();
    std::fprintf(stderr, "murk: a test pad is attached, driven by %s\n", file);
}

void TestPad::Attach() {
    if (joystick_) return;
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;
    desc.name = "Murk test pad";
    const int device = SDL_JoystickAttachVirtualEx(&desc);
    if (device >= 0) joystick_ = SDL_JoystickOpen(device);
    if (!joystick_) std::fprintf(stderr, "murk: the test pad: %s\n", SDL_GetError());
}

void TestPad::Detach() {
    if (!joystick_) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
}

void TestPad::Run(const std::string& line) {
    std::istringstream in(line);
    std::string word;
    in >> word;
    if (word == "attach") return Attach();
    if (word == "detach") return Detach();
    if (!joystick_) return;
    if (word == "press" || word == "release") {
        const Uint8 state = word == "press" ? 1 : 0;
        while (in >> word) {
            const SDL_GameControllerButton b = SDL_GameControllerGetButtonFromString(word.c_str());
            if (b != SDL_CONTROLLER_BUTTON_INVALID)
                SDL_JoystickSetVirtualButton(joystick_, b, state);
        }
    } else if (word == "stick") {
        int x = 0, y = 0;
        if (!(in >> x >> y)) return;
        auto axis = [](int v) { return static_cast<Sint16>(std::clamp(v, -32768, 32767)); };
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, axis(x));
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, axis(y));
    }
}

void TestPad::Poll() {
    if (fd_ < 0) return;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd_, buffer, sizeof buffer)) > 0)
        partial_.append(buffer, static_cast<size_t>(got));
    for (size_t end; (end = partial_.find('\n')) != std::string::npos;) {
        Run(partial_.substr(0, end));
        partial_.erase(0, end + 1);
    }
}

}  // namespace murk::sdl
