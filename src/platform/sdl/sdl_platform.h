// CreateSdlPlatform: the real window, keyboard, mouse, fonts, sounds and boxes, built on SDL2.
#pragma once

#include <memory>
#include <string>

#include "platform/folders.h"
#include "platform/platform.h"

namespace murk {

// Called once by main. Starts SDL video and creates the game window hidden; ShowWindow shows it
// full screen, or as a window when `windowChoiceFile` says the player chose one with Alt+Enter
// (the file is written at each switch; empty: nothing is kept). The program and data directories
// are `folders` (without: the current directory, for both). Returns nullptr and sets `error`
// when video cannot start. When the audio device cannot be opened the platform still starts and
// OpenSound fails with an error text instead. Only one platform may exist at a time (SDL is
// process-wide).
std::unique_ptr<Platform> CreateSdlPlatform(std::string& error,
                                            const std::string& windowChoiceFile = {},
                                            const GameFolders* folders = nullptr);

}  // namespace murk
