// The game window: creation, the presenting path, full screen and window, modes and pointers.
#include "platform/sdl/display.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>

namespace murk::sdl {

namespace {

constexpr struct {
    PresentPath path;
    const char* name;
} kPathNames[] = {
    {PresentPath::WindowSurface, "surface"},
    {PresentPath::Software, "software"},
    {PresentPath::Accelerated, "accelerated"},
};

// A DRM render node we may open is what a GPU driver offers; without one, GL is software.
bool HasGraphicsCard() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", ec))
        if (entry.path().filename().string().starts_with("renderD") &&
            access(entry.path().c_str(), R_OK | W_OK) == 0)
            return true;
    return false;
}

// A GL renderer that turns out to run on a software rasteriser (an X server without direct
// rendering) only adds cost over a plain copy to the window.
bool RunsOnSoftwareGl(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0)
        return false;
    using GetString = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(0x1F01 /* GL_RENDERER */) : nullptr;
    if (!name) return false;
    const char* text = reinterpret_cast<const char*>(name);
    return std::strstr(text, "llvmpipe") || std::strstr(text, "softpipe") ||
           std::strstr(text, "Software");
}

}  // namespace

PresentPath ChoosePresentPath() {
    if (const char* forced = SDL_getenv("MURK_PRESENT"))
        for (const auto& p : kPathNames)
            if (std::strcmp(forced, p.name) == 0) return p.path;
    return HasGraphicsCard() ? PresentPath::Accelerated : PresentPath::WindowSurface;
}

const char* PresentPathName(PresentPath path) {
    for (const auto& p : kPathNames)
        if (p.path == path) return p.name;
    return "?";
}

bool Display::Create(const WindowChoice& choice, std::string& error) {
    // A message box takes the focus; the game window must stay up behind it.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Scaled pictures stay sharp: every canvas pixel a block of whole screen pixels.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    // The window surface is the window's own memory, never a renderer SDL makes behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    windowed_ = choice.windowed;
    windowW_ = choice.width;
    windowH_ = choice.height;
    window_.reset(SDL_CreateWindow("Murk", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   kCanvasWidth, kCanvasHeight,
                                   SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS));
    if (!window_) {
        error = SDL_GetError();
        return false;
    }
    path_ = ChoosePresentPath();
    if (path_ != PresentPath::WindowSurface && !CreateRenderer(error)) return false;
    // Missing cursors (no window system) leave the pointer as it is.
    arrow_.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
    busy_.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT));
    return true;
}

bool Display::CreateRenderer(std::string& error) {
    const Uint32 flags =
        path_ == PresentPath::Accelerated ? SDL_RENDERER_ACCELERATED : SDL_RENDERER_SOFTWARE;
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, flags));
    // A path forced for measuring is kept even where it is the slower one.
    const bool forced = SDL_getenv("MURK_PRESENT") != nullptr;
    if (renderer_ && path_ == PresentPath::Accelerated && !forced &&
        RunsOnSoftwareGl(renderer_.get()))
        renderer_.reset();
    if (renderer_)
        texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888,
                                         SDL_TEXTUREACCESS_STREAMING, kCanvasWidth, kCanvasHeight));
    if (renderer_ && texture_) return true;
    if (path_ == PresentPath::Software) {
        error = SDL_GetError();
        return false;
    }
    // No usable accelerated renderer: the window surface always works.
    texture_.reset();
    renderer_.reset();
    path_ = PresentPath::WindowSurface;
    return true;
}

int Display::ApplyFullscreen() {
    SDL_SetWindowResizable(window_.get(), SDL_FALSE);
    SDL_SetWindowBordered(window_.get(), SDL_FALSE);
    // Cover the display before asking for full screen: without a window manager (a bare X
    // server) the full-screen request changes nothing and the window would keep its old size.
    SDL_Rect bounds{};
    if (fullscreen_ == SDL_WINDOW_FULLSCREEN_DESKTOP && SDL_GetDisplayBounds(0, &bounds) == 0) {
        SDL_SetWindowPosition(window_.get(), bounds.x, bounds.y);
        SDL_SetWindowSize(window_.get(), bounds.w, bounds.h);
    }
    return SDL_SetWindowFullscreen(window_.get(), fullscreen_);
}

void Display::ApplyWindowed() {
    SDL_SetWindowFullscreen(window_.get(), 0);
    SDL_SetWindowBordered(window_.get(), SDL_TRUE);
    SDL_SetWindowResizable(window_.get(), SDL_TRUE);
    SDL_SetWindowSize(window_.get(), windowW_, windowH_);
    SDL_SetWindowPosition(window_.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void Display::Show() {
    if (windowed_)
        ApplyWindowed();
    else
        ApplyFullscreen();
    SDL_ShowWindow(window_.get());
    SDL_RaiseWindow(window_.get());
    shown_ = true;
    Resized();
}

void Display::Hide() {
    SDL_HideWindow(window_.get());
    shown_ = false;
}

void Display::Resized() {
    clearBorder_ = true;
}

WindowChoice Display::Choice() const {
    WindowChoice c{windowed_, windowW_, windowH_};
    if (windowed_) SDL_GetWindowSize(window_.get(), &c.width, &c.height);
    return c;
}

WindowChoice Display::ToggleWindowed() {
    if (windowed_) {
        SDL_GetWindowSize(window_.get(), &windowW_, &windowH_);
        windowed_ = false;
        ApplyFullscreen();
    } else {
        windowed_ = true;
        ApplyWindowed();
    }
    Resized();
    return Choice();
}

bool Display::Present(SDL_Surface* canvas, const DirtyRects& changes, bool inPlace) {
    if (!shown_) return true;
    if (renderer_) {
        PresentWithRenderer(canvas, changes);
        return true;
    }
    if (inPlace && !UpdateInPlace(changes)) return false;
    PresentToSurface(canvas, changes, inPlace);
    return true;
}

SDL_Surface* Display::Screen() {
    // The one place the window surface is asked for: asked for after SDL found the window
    // resized, the old one is freed.
    SDL_Surface* screen = SDL_GetWindowSurface(window_.get());
    if (screen != screen_) clearBorder_ = true;
    screen_ = screen;
    return screen;
}

bool Display::UpdateInPlace(const DirtyRects& changes) {
    // The update is also the test whether the surface is still the window's: SDL refuses to
    // update one it has given up (the window was resized, even to its own size), while its pixels
    // stay until the surface is asked for again.
    updated_.clear();
    if (changes.Whole() || clearBorder_) {
        updated_.push_back({picture_.x, picture_.y, picture_.w, picture_.h});
    } else {
        for (const PixelRect& r : changes.Rects())
            updated_.push_back({picture_.x + r.x, picture_.y + r.y, r.w, r.h});
    }
    return SDL_UpdateWindowSurfaceRects(window_.get(), updated_.data(),
                                        static_cast<int>(updated_.size())) == 0;
}

SDL_Surface* Display::InPlaceScreen(SDL_Point& at) {
    if (renderer_ || !shown_) return nullptr;
    SDL_Surface* screen = Screen();
    if (!screen) return nullptr;
    const PictureRect fit = FitPicture(screen->w, screen->h);
    if (fit.w != kCanvasWidth || fit.h != kCanvasHeight) return nullptr;
    picture_ = fit;
    at = {fit.x, fit.y};
    return screen;
}

void Display::PresentToSurface(SDL_Surface* canvas, const DirtyRects& changes, bool inPlace) {
    // In place, what changed is on the screen already (UpdateInPlace): only a new border is left.
    if (inPlace && !clearBorder_) return;
    SDL_Surface* screen = Screen();
    if (!screen) return;
    const PictureRect fit = FitPicture(screen->w, screen->h);
    // A new window surface (the window changed size) holds nothing of the last picture.
    const bool wholeWindow = clearBorder_ || !(fit == picture_);
    picture_ = fit;
    clearBorder_ = false;
    SDL_Rect to{fit.x, fit.y, fit.w, fit.h};
    if (wholeWindow) {
        // Black round the picture, never under it (a canvas in place is the picture).
        const Uint32 black = SDL_MapRGB(screen->format, 0, 0, 0);
        const SDL_Rect border[] = {{0, 0, screen->w, to.y},
                                   {0, to.y + to.h, screen->w, screen->h - to.y - to.h},
                                   {0, to.y, to.x, to.h},
                                   {to.x + to.w, to.y, screen->w - to.x - to.w, to.h}};
        for (const SDL_Rect& r : border)
            if (r.w > 0 && r.h > 0) SDL_FillRect(screen, &r, black);
    }
    const bool scaled = fit.w != canvas->w || fit.h != canvas->h;
    if (inPlace) {
        // the picture is the screen's already
    } else if (scaled) {
        SDL_BlitScaled(canvas, nullptr, screen, &to);
    } else if (wholeWindow || changes.Whole()) {
        SDL_BlitSurface(canvas, nullptr, screen, &to);
    } else {
        // The canvas's changes alone; the rest of the window already shows the rest.
        updated_.clear();
        for (const PixelRect& r : changes.Rects()) {
            SDL_Rect from{r.x, r.y, r.w, r.h};
            SDL_Rect at{fit.x + r.x, fit.y + r.y, r.w, r.h};
            SDL_BlitSurface(canvas, &from, screen, &at);
            if (at.w > 0 && at.h > 0) updated_.push_back(at);
        }
        SDL_UpdateWindowSurfaceRects(window_.get(), updated_.data(),
                                     static_cast<int>(updated_.size()));
        return;
    }
    // Only the picture changes between presents; the black border stays on the screen.
    if (wholeWindow)
        SDL_UpdateWindowSurface(window_.get());
    else
        SDL_UpdateWindowSurfaceRects(window_.get(), &to, 1);
}

void Display::PresentWithRenderer(SDL_Surface* canvas, const DirtyRects& changes) {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_.get(), &w, &h);
    picture_ = FitPicture(w, h);
    const SDL_Rect to{picture_.x, picture_.y, picture_.w, picture_.h};
    // The texture keeps the last picture: only the changes go into it. The window is drawn
    // whole, as a renderer presents.
    for (const PixelRect& r : changes.Rects()) {
        const SDL_Rect area{r.x, r.y, r.w, r.h};
        const auto* pixels = static_cast<const uint8_t*>(canvas->pixels) +
                             static_cast<ptrdiff_t>(r.y) * canvas->pitch +
                             r.x * canvas->format->BytesPerPixel;
        SDL_UpdateTexture(texture_.get(), &area, pixels, canvas->pitch);
    }
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, &to);
    SDL_RenderPresent(renderer_.get());
    clearBorder_ = false;
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
    // In a window the mode waits until the player goes full screen again.
    return shown_ && !windowed_ && ApplyFullscreen() != 0 ? -1 : 0;
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
