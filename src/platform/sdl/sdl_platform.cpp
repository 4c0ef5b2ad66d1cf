// The SDL platform's factory, event pump with presenting, and its drawing and box calls.
#include "platform/sdl/sdl_platform.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "platform/sdl/boxes.h"
#include "platform/sdl/events.h"
#include "platform/sdl/sdl_backend.h"

namespace murk {

std::unique_ptr<Platform> CreateSdlPlatform(std::string& error, const std::string& windowChoiceFile,
                                            const GameFolders* folders) {
    auto platform = std::make_unique<sdl::SdlPlatform>();
    if (folders) platform->SetFolders(*folders);
    if (!platform->Start(windowChoiceFile, error)) return nullptr;
    return platform;
}

}  // namespace murk

namespace murk::sdl {

bool SdlPlatform::Start(const std::string& choiceFile, std::string& error) {
    choiceFile_ = choiceFile;
    savedChoice_ = ReadWindowChoice(choiceFile);
    if (!session_.Start(error) || !display_.Create(savedChoice_, error)) return false;
    sounds_.StartAudio(session_.AudioOpen(), session_.AudioError());
    pads_.Start(session_.PadsAvailable());
    testPad_.Start(session_.PadsAvailable());
    // Mouse motion is ignored until a screen tracks the pointer: it never wakes an idle wait.
    TrackPointer(false);
    SDL_StartTextInput();
    return true;
}

void SdlPlatform::Present() {
    if (!canvas_.Made()) return;
    const uint64_t start = pacer_.NowMs();
    if (!display_.Present(canvas_.Surface(), canvas_.Changes(), canvas_.Mounted())) {
        // The window surface the canvas is drawn into is going: the canvas takes its picture
        // out first (while it cannot, for want of memory, nothing is presented and the surface
        // stays).
        if (!canvas_.Unmount()) return;
        canvas_.MarkWholeDirty();
        display_.Present(canvas_.Surface(), canvas_.Changes(), false);
    }
    canvas_.ClearDirty();
    if (!canvas_.Mounted()) {
        SDL_Point at{};
        canvas_.Mount(display_.InPlaceScreen(at), at);
    }
    lastPresentMs_ = pacer_.NowMs();
    // Where presenting is slow (no graphics card: a software renderer or a virtual X server)
    // present less often, so the game keeps most of its time and its pace.
    presentIntervalMs_ = std::max(kPollPresentMs, 2 * (lastPresentMs_ - start));
}

void SdlPlatform::PresentIfDue() {
    if (!canvas_.Dirty() || !display_.Shown()) return;
    if (pacer_.NowMs() - lastPresentMs_ < presentIntervalMs_) return;
    Present();
}

void SdlPlatform::PresentIfDirty() {
    if (canvas_.Dirty() && display_.Shown()) Present();
}

namespace {

// The window events after which the window's picture (and the border around it) must be copied
// to the screen again. The canvas still holds the picture, so the game is not asked to paint:
// its paint redraws the windows but not a room left from a game that has stopped, and the box
// that asked whether to abort that game exposes the window as it closes.
bool MustPresentAgain(const SDL_Event& in) {
    if (in.type != SDL_WINDOWEVENT) return false;
    switch (in.window.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SHOWN:
            return true;
        default:
            return false;
    }
}

}  // namespace

void SdlPlatform::PictureLost() {
    display_.Resized();
    canvas_.MarkWholeDirty();
}

bool SdlPlatform::HandleInternally(const SDL_Event& in) {
    if (MustPresentAgain(in)) {
        PictureLost();
        return true;
    }
    if (in.type != SDL_KEYDOWN && in.type != SDL_KEYUP) return false;
    const SDL_Scancode key = in.key.keysym.scancode;
    if (key != SDL_SCANCODE_RETURN && key != SDL_SCANCODE_KP_ENTER) return false;
    if (in.type == SDL_KEYUP) {
        const bool swallow = swallowEnterUp_;
        swallowEnterUp_ = false;
        return swallow;
    }
    if ((in.key.keysym.mod & KMOD_ALT) == 0) return false;
    swallowEnterUp_ = true;
    if (in.key.repeat || !display_.Shown()) return true;
    const WindowChoice choice = display_.ToggleWindowed();
    WriteWindowChoice(choiceFile_, choice);
    savedChoice_ = choice;
    canvas_.MarkWholeDirty();
    return true;
}

bool SdlPlatform::NextSdlEvent(SDL_Event& in) {
    if (waited_) {
        in = *waited_;
        waited_.reset();
        return true;
    }
    // Asking the window system costs a system call or two, and the game's pumps come thousands
    // of times a second: it is asked at most once a millisecond, and in between the pump only
    // looks at what SDL already holds.
    const uint64_t now = MonotonicNs();
    if (now - lastPumpNs_ >= kPumpIntervalNs) {
        ReadPads();
        SDL_PumpEvents();
        lastPumpNs_ = now;
    }
    while (SDL_PeepEvents(&in, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1)
        if (in.type != SDL_POLLSENTINEL) return true;  // SDL's own end-of-poll marker
    return false;
}

void SdlPlatform::ReadPads() {
    testPad_.Poll();
    pads_.Update();
}

void SdlPlatform::TrackPointer(bool on) {
    tracking_ = on;
    SDL_EventState(SDL_MOUSEMOTION, on ? SDL_ENABLE : SDL_IGNORE);
}

bool SdlPlatform::LaterMoveQueued() {
    if (waited_) return waited_->type == SDL_MOUSEMOTION;
    SDL_Event next;
    return SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 &&
           next.type == SDL_MOUSEMOTION;
}

bool SdlPlatform::PollEvent(Event& e) {
    PresentIfDue();
    SDL_Event in;
    while (NextSdlEvent(in)) {
        if (pads_.Translate(in, e)) return true;
        // Of moves that come one after another only the last counts: where the pointer is now.
        // (A move queued before the tracking stopped is dropped too.)
        if (in.type == SDL_MOUSEMOTION && (!tracking_ || LaterMoveQueued())) continue;
        if (HandleInternally(in) || !TranslateEvent(in, e, display_.WindowId())) continue;
        if (e.kind == EventKind::MouseDown || e.kind == EventKind::MouseUp ||
            e.kind == EventKind::MouseMove)
            display_.ToCanvas(e.x, e.y);
        return true;
    }
    return false;
}

void SdlPlatform::WaitEvent(uint64_t untilMs) {
    PresentIfDirty();
    // Only an event or the deadline ends the wait; SDL sleeps in the window system's socket.
    // The event that ends it is kept for the next PollEvent, so it is handled at once. SDL does
    // not wake for a pad: the wait is cut into slices, and the pads are read between them.
    const uint64_t slice = !pads_.Available()                       ? kNoDeadline
                           : pads_.AnyOpen() || testPad_.Attached() ? kPadReadMs
                                                                    : kPadLookMs;
    while (!waited_) {
        const uint64_t now = pacer_.NowMs();
        if (untilMs <= now) return;
        const uint64_t left = untilMs - now;
        const uint64_t wait = std::min(left, slice);
        const int timeout = wait == kNoDeadline || wait > INT32_MAX ? -1 : static_cast<int>(wait);
        if (!xwait_.Usable()) {
            SDL_Event in;
            if (SDL_WaitEventTimeout(&in, timeout) == 1) {
                waited_ = in;
                return;
            }
        } else {
            // Nothing may be left in SDL's queue (a pad's events among it) or in the X library's
            // before the sleep. A signal ends the sleep too; SDL turns it into its quit event at
            // the next pump, which comes at once after any wake.
            if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) || xwait_.EventsHeld() ||
                xwait_.Wait(timeout)) {
                lastPumpNs_ = 0;
                return;
            }
        }
        if (wait == left) {
            lastPumpNs_ = 0;
            return;
        }
        ReadPads();
        lastPumpNs_ = MonotonicNs();
    }
}

void SdlPlatform::Sleep1ms() {
    PresentIfDirty();
    pacer_.Sleep1ms();
}

uint32_t SdlPlatform::RandomSeed() {
    // Each game a different one: the wall clock's seconds, as good a seed as a game needs.
    return static_cast<uint32_t>(std::time(nullptr));
}

void SdlPlatform::ShowWindow() {
    display_.Show();
    xwait_.Attach(display_.Window());
    ReadyCanvas();
    canvas_.MarkWholeDirty();
}

void SdlPlatform::ReadyCanvas() {
    if (canvas_.Made()) return;
    SDL_Point at{};
    std::string error;
    if (!canvas_.Create(error, display_.InPlaceScreen(at), at))
        std::fprintf(stderr, "murk: %s\n", error.c_str());
}

void SdlPlatform::HideWindow() {
    // A window the player resized is reopened at its new size.
    const WindowChoice choice = display_.Choice();
    if (!(choice == savedChoice_)) WriteWindowChoice(choiceFile_, choice);
    display_.Hide();
}

void SdlPlatform::DisplaySize(int& width, int& height) const {
    display_.DesktopSize(width, height);
}

int SdlPlatform::SetDisplayMode(int width, int height) {
    return display_.SetMode(width, height);
}

ImageId SdlPlatform::LoadImageFile(const std::string& path, std::string& error) {
    return canvas_.LoadFile(path, error);
}

ImageId SdlPlatform::LoadImageMemory(const uint8_t* data, size_t size, std::string& error) {
    return canvas_.LoadMemory(data, size, error);
}

void SdlPlatform::ImageSize(ImageId id, int& width, int& height) const {
    canvas_.ImageSize(id, width, height);
}

bool SdlPlatform::DrawImage(ImageId id, int x, int y, std::string& error) {
    ReadyCanvas();
    return canvas_.DrawImage(id, x, y, error);
}

void SdlPlatform::FillRect(int x, int y, int width, int height, Rgb colour) {
    ReadyCanvas();
    canvas_.FillRect(x, y, width, height, colour);
}

void SdlPlatform::TextSize(const Font& font, const std::string& text, int& width, int& height) {
    text_.Size(font, text, width, height);
}

void SdlPlatform::DrawText(const Font& font, Rgb colour, int x, int y, const std::string& text,
                           int cx, int cy, int cw, int ch) {
    ReadyCanvas();
    SDL_Surface* rendered = text_.Render(font, colour, text);
    if (rendered) canvas_.Blend(rendered, x, y, SDL_Rect{cx, cy, cw, ch});
}

bool SdlPlatform::SaveCanvasBmp(const std::string& path, int x, int y, int width, int height,
                                std::string& error) {
    ReadyCanvas();
    return canvas_.SaveBmp(path, x, y, width, height, error);
}

bool SdlPlatform::MessageBox(BoxKind kind, const std::string& text) {
    // The box may sit over the window for long; it should sit over the latest picture.
    PresentIfDirty();
    return ShowBox(
        display_.ParentForBoxes(), kind, text, text_,
        [this] {
            PictureLost();
            PresentIfDirty();
        },
        [this] { ReadPads(); });
}

SoundHandle SdlPlatform::OpenSound(const std::string& path, std::string& error) {
    return sounds_.Open(path, error);
}

}  // namespace murk::sdl
