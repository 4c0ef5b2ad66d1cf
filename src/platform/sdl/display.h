// Display: the game window, its renderer, full-screen modes and the mouse pointer.
#pragma once

#include <string>

#include "platform/platform.h"
#include "platform/sdl/sdl_ptr.h"

namespace murk::sdl {

// One borderless window, created hidden. Shown, it covers the screen: desktop full screen with
// the 1024x768 canvas scaled and letter-boxed, or a real 1024x768 mode after SetMode found one.
class Display {
public:
    bool Create(std::string& error);
    void Show();
    void Hide();
    // The window to hang message boxes on: the game window while shown, else none.
    SDL_Window* ParentForBoxes() const { return shown_ ? window_.get() : nullptr; }
    bool Shown() const { return shown_; }
    // Copies the canvas to the screen (only while shown).
    void Present(SDL_Surface* canvas);
    void DesktopSize(int& width, int& height) const;
    // 0 on success. The desktop's own size means desktop full screen again (the restore).
    int SetMode(int width, int height);
    void SetPointer(Pointer pointer);

private:
    bool FindMode(int width, int height, SDL_DisplayMode& mode) const;
    int ApplyFullscreen();

    Owned<SDL_Window> window_;
    Owned<SDL_Renderer> renderer_;
    Owned<SDL_Texture> texture_;
    Owned<SDL_Cursor> arrow_;
    Owned<SDL_Cursor> busy_;
    Uint32 fullscreen_ = SDL_WINDOW_FULLSCREEN_DESKTOP;
    bool shown_ = false;
};

}  // namespace murk::sdl
