// Display: the game window, how the canvas reaches the screen, full screen and window, pointers.
#pragma once

#include <string>
#include <vector>

#include "base/dirtyrects.h"
#include "platform/platform.h"
#include "platform/sdl/fit.h"
#include "platform/sdl/sdl_ptr.h"
#include "platform/sdl/windowchoice.h"

namespace murk::sdl {

// How the canvas is copied to the screen, chosen once at start-up (see ChoosePresentPath).
enum class PresentPath {
    WindowSurface,  // straight into the window's own pixels: no renderer, no GL
    Software,       // SDL's software renderer
    Accelerated,    // SDL's accelerated renderer (a graphics card)
};

// MURK_PRESENT=surface|software|accelerated forces a path (for measuring them side by side).
// Otherwise: the accelerated renderer where the machine has a graphics card driver (a DRM render
// node), and the window surface where it has none: there a GL renderer would be a software
// rasteriser that costs tens of megabytes and more time per picture than a plain copy.
PresentPath ChoosePresentPath();
const char* PresentPathName(PresentPath path);

// One window, created hidden. Shown, it covers the screen (desktop full screen with the canvas
// centred at a whole-number scale, or a real 1024x768 mode after SetMode found one) or, after
// ToggleWindowed, is a resizable window with the canvas scaled to fit.
class Display {
public:
    bool Create(const WindowChoice& choice, std::string& error);
    void Show();
    void Hide();
    // The window to hang message boxes on: the game window while shown, else none.
    SDL_Window* ParentForBoxes() const { return shown_ ? window_.get() : nullptr; }
    bool Shown() const { return shown_; }
    SDL_Window* Window() const { return window_.get(); }
    Uint32 WindowId() const { return window_ ? SDL_GetWindowID(window_.get()) : 0; }
    PresentPath Path() const { return path_; }
    // Copies the canvas's changed rectangles to the screen (only while shown): the whole window
    // after Resized(), the whole picture where it is scaled. A canvas `inPlace` is drawn into the
    // window surface already (see Canvas::Mount): the screen is only told what changed. False,
    // with nothing presented, when that surface is no longer the window's (SDL found the window
    // resized): the canvas must take its picture out of it (its pixels stay until the next call
    // here or to InPlaceScreen) and be presented again.
    bool Present(SDL_Surface* canvas, const DirtyRects& changes, bool inPlace);
    // The window surface and where in it the picture shows, when the canvas can be drawn straight
    // into it (shown, no renderer, not scaled); null otherwise.
    SDL_Surface* InPlaceScreen(SDL_Point& at);
    // The window changed size: the next present clears the border and fits the picture again.
    void Resized();
    // Window pixel to canvas pixel, for mouse events.
    void ToCanvas(int& x, int& y) const { WindowToCanvas(picture_, x, y); }
    void DesktopSize(int& width, int& height) const;
    // 0 on success. The desktop's own size means desktop full screen again (the restore).
    int SetMode(int width, int height);
    // Full screen to window or back; returns the choice to remember.
    WindowChoice ToggleWindowed();
    WindowChoice Choice() const;
    void SetPointer(Pointer pointer);

private:
    bool CreateRenderer(std::string& error);
    bool FindMode(int width, int height, SDL_DisplayMode& mode) const;
    int ApplyFullscreen();
    void ApplyWindowed();
    void PresentToSurface(SDL_Surface* canvas, const DirtyRects& changes, bool inPlace);
    bool UpdateInPlace(const DirtyRects& changes);
    SDL_Surface* Screen();
    void PresentWithRenderer(SDL_Surface* canvas, const DirtyRects& changes);

    Owned<SDL_Window> window_;
    Owned<SDL_Renderer> renderer_;
    Owned<SDL_Texture> texture_;
    Owned<SDL_Cursor> arrow_;
    Owned<SDL_Cursor> busy_;
    PresentPath path_ = PresentPath::WindowSurface;
    PictureRect picture_ = FitPicture(kCanvasWidth, kCanvasHeight);
    Uint32 fullscreen_ = SDL_WINDOW_FULLSCREEN_DESKTOP;
    bool windowed_ = false;
    int windowW_ = kCanvasWidth, windowH_ = kCanvasHeight;  // the size to restore a window at
    bool clearBorder_ = true;
    const SDL_Surface* screen_ = nullptr;  // the window surface last asked for
    std::vector<SDL_Rect> updated_;        // the window rectangles of a present
    bool shown_ = false;
};

}  // namespace murk::sdl
