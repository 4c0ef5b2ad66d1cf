// SdlPlatform: the Platform on SDL2, put together from the window, canvas, text and sound parts.
#pragma once

#include <optional>
#include <string>

#include "platform/folders.h"
#include "platform/platform.h"
#include "platform/sdl/canvas.h"
#include "platform/sdl/display.h"
#include "platform/sdl/pacer.h"
#include "platform/sdl/pads.h"
#include "platform/sdl/session.h"
#include "platform/sdl/sounds.h"
#include "platform/sdl/testpad.h"
#include "platform/sdl/text.h"
#include "platform/sdl/xwait.h"

namespace murk::sdl {

// Presenting: drawing only records the rectangles it changed on the canvas, and those rectangles
// are copied to the screen where the game stops to wait: at a game pass's wait (so at most once a
// pass), in an idle wait, at a 1 ms sleep, and before a message box opens. The whole
// window is copied only where it lost its picture (shown, exposed, resized, Alt+Enter). A pump
// between waits copies it only when kPollPresentMs (or twice what the last copy took, if more) have
// passed, so long work such as a game at speed 0 still shows. The pump costs next to nothing while
// nothing changes.
//
// Alt+Enter switches between full screen and a window; the choice is kept in `choiceFile`.
//
// Game pads are read at each pump (at most once a millisecond) and, while the game waits idle,
// every kPadReadMs while a pad is connected, or every kPadLookMs for one being plugged in.
class SdlPlatform final : public Platform {
public:
    static constexpr uint64_t kPollPresentMs = 20;
    static constexpr uint64_t kPadReadMs = 20;
    static constexpr uint64_t kPadLookMs = 500;

    bool Start(const std::string& choiceFile, std::string& error);
    void SetFolders(GameFolders folders) { folders_ = std::move(folders); }

    bool PollEvent(Event& e) override;
    void WaitEvent(uint64_t untilMs) override;
    void Sleep1ms() override;
    uint64_t NowMs() const override { return pacer_.NowMs(); }
    uint32_t RandomSeed() override;
    void ShowWindow() override;
    void HideWindow() override;
    void DisplaySize(int& width, int& height) const override;
    int SetDisplayMode(int width, int height) override;
    void SetPointer(Pointer p) override { display_.SetPointer(p); }
    void TrackPointer(bool on) override;
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
    std::string DataDirectory() const override;
    bool FileExists(const std::string& path) const override;
    bool IsReadOnly(const std::string& path) const override;
    bool MakeWritable(const std::string& path) override;
    FileReadResult ReadGameFile(const std::string& path, size_t maxBytes,
                                std::string& out) override {
        return ReadWholeFile(path, maxBytes, out);
    }
    SaveResult SaveGameFile(const std::string& path, const std::string& text) override {
        return SaveFile(path, text);
    }
    void RemoveStaleSaves(const std::string& path) override { RemoveStaleTemporaries(path); }
    bool MakeFolder(const std::string& path) override { return MakeFolders(path); }

    PresentPath PresentingPath() const { return display_.Path(); }
    // The whole canvas goes to the window at the next present, as after a full repaint.
    void MarkWholeCanvasChanged() { canvas_.MarkWholeDirty(); }

private:
    void Present();
    void PresentIfDue();
    void PresentIfDirty();
    bool NextSdlEvent(SDL_Event& in);
    // Reads the pads (the test pad's lines first): their changes become SDL events.
    void ReadPads();
    // Whether the event after the one just taken is a pointer move too.
    bool LaterMoveQueued();
    // Handles what the platform keeps to itself (Alt+Enter, size changes, exposures); true when it
    // did.
    bool HandleInternally(const SDL_Event& in);
    // The window lost its picture (exposed, resized, shown again): the next present is whole.
    void PictureLost();
    // The canvas is made at the first drawing or when the window shows, whichever comes first:
    // made once the window shows, it can be the window surface's own pixels.
    void ReadyCanvas();

    // Declared first so it is destroyed last: SDL shuts down after every object made with it.
    Session session_;
    GamePads pads_;
    TestPad testPad_;
    Display display_;
    Canvas canvas_;
    TextPainter text_;
    SoundBank sounds_;
    Pacer pacer_;
    uint64_t lastPresentMs_ = 0;
    uint64_t presentIntervalMs_ = kPollPresentMs;
    std::string choiceFile_;
    std::optional<GameFolders> folders_;  // unset: the current directory holds everything
    WindowChoice savedChoice_;
    bool swallowEnterUp_ = false;      // the Enter of Alt+Enter is not the game's
    bool tracking_ = false;            // pointer moves are let through (TrackPointer)
    std::optional<SDL_Event> waited_;  // the event that ended SDL's own wait
    WindowSystemWait xwait_;
    static constexpr uint64_t kPumpIntervalNs = 1'000'000;
    uint64_t lastPumpNs_ = 0;
};

}  // namespace murk::sdl
