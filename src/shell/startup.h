// Bringing the program up and down: start-up, the display mode, the first paint, shut-down.
#pragma once

#include <string>

namespace murk {

struct App;

inline constexpr const char* kResolutionQuestion =
    "This game needs a screen resolution of 1024 x 768. Press ok to continue. (The screen "
    "resolution will be returned to normal when you are finished playing)";

// The program directory as shown: the working directory with a trailing '/', except the root.
std::string ProgramDirectory(const std::string& cwd);

// Creates the windows and runs the start-up sequence; false when it ended in ShutDown.
bool Startup(App& app);

// Start-up, then the message loop until the program shuts down. Returns the exit status.
int RunProgram(App& app);

// The main window's paint handler: the deferred first-paint work, then the room during play.
void MainFormPaint(App& app);

}  // namespace murk
