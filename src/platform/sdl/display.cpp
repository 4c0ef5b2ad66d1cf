// The game window: creation, showing full screen, presenting the canvas, modes and pointers.
#include "platform/sdl/display.h"

namespace murk::sdl {

bool Display::Create(std::string& error) {
    // A message box takes the focus; the game window must stay up behind it.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Smooth scaling when the 1024x768 picture is stretched onto a larger desktop.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    window_.reset(SDL_CreateWindow("Murk", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   kCanvasWidth, kCanvasHeight,
                                   SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS));
    if (!window_) {
        error = SDL_GetError();
        return false;
    }
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
    if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
    if (!renderer_) {
        error = SDL_GetError();
        return false;
    }
    // The renderer scales and letter-boxes, and turns mouse positions into canvas pixels.
    SDL_RenderSetLogicalSize(renderer_.get(), kCanvasWidth, kCanvasHeight);
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888,
                                     SDL_TEXTUREACCESS_STREAMING, kCanvasWidth, kCanvasHeight));
    if (!texture_) {
        error = SDL_GetError();
        return false;
    }
    // Missing cursors (no window system) leave the pointer as it is.
    arrow_.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
    busy_.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT));
    return true;
}

int Display::ApplyFullscreen() {
    // Cover the display before asking for full screen: without a window manager (a bare X
    // server) the full-screen request changes nothing and the window would keep its old size.
    SDL_Rect bounds{};
    if (fullscreen_ == SDL_WINDOW_FULLSCREEN_DESKTOP && SDL_GetDisplayBounds(0, &bounds) == 0) {
        SDL_SetWindowPosition(window_.get(), bounds.x, bounds.y);
        SDL_SetWindowSize(window_.get(), bounds.w, bounds.h);
    }
    return SDL_SetWindowFullscreen(window_.get(), fullscreen_);
}

void Display::Show() {
    ApplyFullscreen();
    SDL_ShowWindow(window_.get());
    SDL_RaiseWindow(window_.get());
    shown_ = true;
}

void Display::Hide() {
    SDL_HideWindow(window_.get());
    shown_ = false;
}

void Display::Present(SDL_Surface* canvas) {
    if (!shown_) return;
    SDL_UpdateTexture(texture_.get(), nullptr, canvas->pixels, canvas->pitch);
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
}

void Display::DesktopSize(int& width, int& height) const {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) mode.w = mode.h = 0;
    width = mode.w;
    height = mode.h;
}

bool Display::FindMode(int width, int height, SDL_DisplayMode& mode) const {
    const int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i)
        if (SDL_GetDisplayMode(0, i, &mode) == 0 && mode.w == width && mode.h == height)
            return true;
    return false;
}

int Display::SetMode(int width, int height) {
    int desktopW = 0, desktopH = 0;
    DesktopSize(desktopW, desktopH);
    SDL_DisplayMode mode{};
    fullscreen_ = SDL_WINDOW_FULLSCREEN_DESKTOP;
    // Without a matching mode desktop full screen shows the same picture, letter-boxed.
    if ((width != desktopW || height != desktopH) && FindMode(width, height, mode)) {
        if (SDL_SetWindowDisplayMode(window_.get(), &mode) != 0) return -1;
        fullscreen_ = SDL_WINDOW_FULLSCREEN;
    }
    return shown_ && ApplyFullscreen() != 0 ? -1 : 0;
}

void Display::SetPointer(Pointer pointer) {
    if (pointer == Pointer::Hidden) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_Cursor* cursor = pointer == Pointer::Busy ? busy_.get() : arrow_.get();
    if (cursor) SDL_SetCursor(cursor);
    SDL_ShowCursor(SDL_ENABLE);
}

}  // namespace murk::sdl
