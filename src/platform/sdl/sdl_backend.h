// SdlPlatform: the Platform on SDL2, put together from the window, canvas, text and sound parts.
#pragma once

#include <string>

#include "platform/platform.h"
#include "platform/sdl/canvas.h"
#include "platform/sdl/display.h"
#include "platform/sdl/pacer.h"
#include "platform/sdl/session.h"
#include "platform/sdl/sounds.h"
#include "platform/sdl/text.h"

namespace murk::sdl {

// Presenting: drawing only marks the canvas dirty; PollEvent copies it to the screen when it is
// dirty and at least kPresentIntervalMs (or twice what the last copy took, if more) have passed
// since the last copy, and MessageBox copies it before the box opens. So the pump costs next to
// nothing while nothing changes.
class SdlPlatform final : public Platform {
public:
    static constexpr uint64_t kPresentIntervalMs = 10;

    bool Start(std::string& error);

    bool PollEvent(Event& e) override;
    void Sleep1ms() override { pacer_.Sleep1ms(); }
    uint64_t NowMs() const override { return pacer_.NowMs(); }
    void ShowWindow() override;
    void HideWindow() override { display_.Hide(); }
    void DisplaySize(int& width, int& height) const override;
    int SetDisplayMode(int width, int height) override;
    void SetPointer(Pointer p) override { display_.SetPointer(p); }
    ImageId LoadImageFile(const std::string& path, std::string& error) override;
    ImageId LoadImageMemory(const uint8_t* data, size_t size, std::string& error) override;
    void ImageSize(ImageId id, int& width, int& height) const override;
    bool DrawImage(ImageId id, int x, int y, std::string& error) override;
    void FillRect(int x, int y, int width, int height, Rgb colour) override;
    void TextSize(const Font& font, const std::string& text, int& width, int& height) override;
    void DrawText(const Font& font, Rgb colour, int x, int y, const std::string& text, int cx,
                  int cy, int cw, int ch) override;
    bool SaveCanvasBmp(const std::string& path, int x, int y, int width, int height,
                       std::string& error) override;
    bool MessageBox(BoxKind kind, const std::string& text) override;
    SoundHandle OpenSound(const std::string& path, std::string& error) override;
    bool StopSound(SoundHandle h) override { return sounds_.Stop(h); }
    void RewindSound(SoundHandle h) override { sounds_.Rewind(h); }
    void PlaySound(SoundHandle h) override { sounds_.Play(h); }
    std::string CurrentDirectory() const override;
    bool FileExists(const std::string& path) const override;
    bool IsReadOnly(const std::string& path) const override;
    bool MakeWritable(const std::string& path) override;

private:
    void Present();
    void PresentIfDue();

    // Declared first so it is destroyed last: SDL shuts down after every object made with it.
    Session session_;
    Display display_;
    Canvas canvas_;
    TextPainter text_;
    SoundBank sounds_;
    Pacer pacer_;
    uint64_t lastPresentMs_ = 0;
    uint64_t presentIntervalMs_ = kPresentIntervalMs;
};

}  // namespace murk::sdl
