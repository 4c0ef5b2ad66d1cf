// TestPad: a virtual game pad (SDL's virtual joystick) for the end-to-end tests, driven by lines
// appended to a file. Only the environment variable MURK_TEST_PAD, naming that file, attaches it;
// a game started any other way has none.
#pragma once

#include <SDL_joystick.h>

#include <string>

namespace murk::sdl {

inline constexpr const char* kTestPadVariable = "MURK_TEST_PAD";

// The file's lines: `press BUTTON...` and `release BUTTON...` (SDL's button names: a, b, start,
// dpup, dpleft ..), `stick X Y` (the left stick, -32768 .. 32767), `detach` and `attach` (the pad
// unplugged and plugged in again). The lines read at one Poll take effect together, at the next
// reading of the pads.
class TestPad {
public:
    TestPad() = default;
    TestPad(const TestPad&) = delete;
    TestPad& operator=(const TestPad&) = delete;
    ~TestPad();

    // Attaches the pad when MURK_TEST_PAD names a readable file and SDL's pads work; says so on
    // the error output.
    void Start(bool padsAvailable);
    bool Attached() const { return fd_ >= 0; }
    // Carries out the lines appended to the file since the last call (at most once a pump).
    void Poll();

private:
    void Attach();
    void Detach();
    void Run(const std::string& line);
    int fd_ = -1;
    SDL_Joystick* joystick_ = nullptr;
    std::string partial_;  // the start of a line not yet ended
};

}  // namespace murk::sdl
