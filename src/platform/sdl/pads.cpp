// Game controllers: opening them as they connect, and their events as the game's.
#include "platform/sdl/pads.h"

#include <algorithm>
#include <string>

namespace murk::sdl {

// The game numbers a pad's buttons and the left stick's axes as SDL's game-controller layout.
static_assert(SDL_CONTROLLER_BUTTON_A == pad::A && SDL_CONTROLLER_BUTTON_B == pad::B &&
              SDL_CONTROLLER_BUTTON_BACK == pad::Back &&
              SDL_CONTROLLER_BUTTON_START == pad::Start &&
              SDL_CONTROLLER_BUTTON_DPAD_UP == pad::DpadUp &&
              SDL_CONTROLLER_BUTTON_DPAD_RIGHT == pad::DpadRight &&
              SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1 == pad::kButtons);
static_assert(SDL_CONTROLLER_AXIS_LEFTX == pad::LeftX && SDL_CONTROLLER_AXIS_LEFTY == pad::LeftY);

namespace {

constexpr int kStickStep = 512;  // 1/128 of the stick's reach, the same either side of the middle

}  // namespace

std::string PadIdentity(SDL_GameController* controller) {
    char guid[33] = {};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(SDL_GameControllerGetJoystick(controller)), guid,
                              sizeof guid);
    const char* name = SDL_GameControllerName(controller);
    return std::string(guid) + " " + (name ? name : "");
}

GamePads::~GamePads() {
    for (OpenPad& p : open_) SDL_GameControllerClose(p.controller);
}

void GamePads::Update() {
    if (available_) SDL_GameControllerUpdate();
}

GamePads::OpenPad* GamePads::Find(SDL_JoystickID id) {
    for (OpenPad& p : open_)
        if (p.id == id) return &p;
    return nullptr;
}

bool GamePads::Opened(int deviceIndex, Event& out) {
    SDL_GameController* c = SDL_GameControllerOpen(deviceIndex);
    if (!c) return false;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c));
    // SDL may announce a pad twice (at start-up); opening it again only counted it twice.
    if (id < 0 || Find(id)) {
        SDL_GameControllerClose(c);
        return false;
    }
    open_.push_back({c, id, {}});
    out = Event{EventKind::PadAdded, 0, 0, 0, 0, PadIdentity(c), static_cast<int>(id), 0};
    return true;
}

bool GamePads::Translate(const SDL_Event& in, Event& out) {
    switch (in.type) {
        case SDL_CONTROLLERDEVICEADDED:
            return Opened(in.cdevice.which, out);
        case SDL_CONTROLLERDEVICEREMOVED: {
            OpenPad* p = Find(in.cdevice.which);
            if (!p) return false;
            SDL_GameControllerClose(p->controller);
            std::erase_if(open_, [&](const OpenPad& o) { return o.id == in.cdevice.which; });
            out =
                Event{EventKind::PadRemoved, 0, 0, 0, 0, {}, static_cast<int>(in.cdevice.which), 0};
            return true;
        }
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            if (!Find(in.cbutton.which) || in.cbutton.button >= pad::kButtons) return false;
            const EventKind kind = in.type == SDL_CONTROLLERBUTTONDOWN ? EventKind::PadButtonDown
                                                                       : EventKind::PadButtonUp;
            out =
                Event{kind, 0, in.cbutton.button, 0, 0, {}, static_cast<int>(in.cbutton.which), 0};
            return true;
        }
        case SDL_CONTROLLERAXISMOTION: {
            OpenPad* p = Find(in.caxis.which);
            if (!p || in.caxis.axis >= pad::kAxes) return false;
            int& sent = p->sent[in.caxis.axis];
            const int value = in.caxis.value;
            if (value / kStickStep == sent / kStickStep) return false;
            sent = value;
            out = Event{EventKind::PadAxis,      0,    in.caxis.axis, 0, 0, {},
                        static_cast<int>(p->id), value};
            return true;
        }
        default:
            return false;
    }
}

}  // namespace murk::sdl
