// murk: the game in a real window, on the SDL2 backend.
#include <cstdio>

#include "platform/sdl/sdl_platform.h"
#include "shell/app.h"
#include "shell/startup.h"

int main() {
    std::string error;
    // Full screen or window, as the player last chose with Alt+Enter, beside Options.dat.
    std::unique_ptr<murk::Platform> platform = murk::CreateSdlPlatform(error, "Display.dat");
    if (!platform) {
        std::fprintf(stderr, "murk: %s\n", error.c_str());
        return 1;
    }
    murk::App app(*platform);
    return murk::RunProgram(app);
}
