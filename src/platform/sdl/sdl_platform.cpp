// The SDL platform's factory, event pump with presenting, and its drawing and box calls.
#include "platform/sdl/sdl_platform.h"

#include <algorithm>

#include "platform/sdl/boxes.h"
#include "platform/sdl/events.h"
#include "platform/sdl/sdl_backend.h"

namespace murk {

std::unique_ptr<Platform> CreateSdlPlatform(std::string& error) {
    auto platform = std::make_unique<sdl::SdlPlatform>();
    if (!platform->Start(error)) return nullptr;
    return platform;
}

}  // namespace murk

namespace murk::sdl {

bool SdlPlatform::Start(std::string& error) {
    if (!session_.Start(error) || !display_.Create(error) || !canvas_.Create(error)) return false;
    sounds_.SetAudio(session_.AudioOpen(), session_.AudioError());
    SDL_StartTextInput();
    return true;
}

void SdlPlatform::Present() {
    const uint64_t start = pacer_.NowMs();
    display_.Present(canvas_.Surface());
    canvas_.ClearDirty();
    lastPresentMs_ = pacer_.NowMs();
    // Where presenting is slow (no graphics card: a software renderer or a virtual X server)
    // present less often, so the game keeps most of its time and its pace.
    presentIntervalMs_ = std::max(kPresentIntervalMs, 2 * (lastPresentMs_ - start));
}

void SdlPlatform::PresentIfDue() {
    if (!canvas_.Dirty() || !display_.Shown()) return;
    if (pacer_.NowMs() - lastPresentMs_ < presentIntervalMs_) return;
    Present();
}

bool SdlPlatform::PollEvent(Event& e) {
    PresentIfDue();
    SDL_Event in;
    while (SDL_PollEvent(&in)) {
        if (!TranslateEvent(in, e)) continue;
        if (e.kind == EventKind::Paint) canvas_.MarkDirty();
        return true;
    }
    return false;
}

void SdlPlatform::ShowWindow() {
    display_.Show();
    canvas_.MarkDirty();
}

void SdlPlatform::DisplaySize(int& width, int& height) const {
    display_.DesktopSize(width, height);
}

int SdlPlatform::SetDisplayMode(int width, int height) { return display_.SetMode(width, height); }

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
    return canvas_.DrawImage(id, x, y, error);
}

void SdlPlatform::FillRect(int x, int y, int width, int height, Rgb colour) {
    canvas_.FillRect(x, y, width, height, colour);
}

void SdlPlatform::TextSize(const Font& font, const std::string& text, int& width, int& height) {
    text_.Size(font, text, width, height);
}

void SdlPlatform::DrawText(const Font& font, Rgb colour, int x, int y, const std::string& text,
                           int cx, int cy, int cw, int ch) {
    SDL_Surface* rendered = text_.Render(font, colour, text);
    if (rendered) canvas_.Blend(rendered, x, y, SDL_Rect{cx, cy, cw, ch});
}

bool SdlPlatform::SaveCanvasBmp(const std::string& path, int x, int y, int width, int height,
                                std::string& error) {
    return canvas_.SaveBmp(path, x, y, width, height, error);
}

bool SdlPlatform::MessageBox(BoxKind kind, const std::string& text) {
    // The box may sit over the window for long; it should sit over the latest picture.
    if (display_.Shown()) Present();
    return ShowBox(display_.ParentForBoxes(), kind, text);
}

SoundHandle SdlPlatform::OpenSound(const std::string& path, std::string& error) {
    return sounds_.Open(path, error);
}

}  // namespace murk::sdl
