// RecordingPlatform: any platform, with everything the core receives from it written to a journal.
#pragma once

#include <ostream>

#include "platform/journal/journal.h"
#include "platform/platform.h"

namespace murk {

// Passes every call through to `inner` and writes each answer that comes from the machine (events,
// clock readings, the seed, box answers, the display, file questions, what failed to load) to
// `out`, so that ReplayPlatform can give the core the same answers again.
class RecordingPlatform final : public Platform {
public:
    RecordingPlatform(Platform& inner, std::ostream& out) : inner_(inner), journal_(out) {
        journal_.Folders(inner_.CurrentDirectory(), inner_.DataDirectory());
    }

    bool Failed() const { return journal_.Failed(); }

    bool PollEvent(Event& e) override;
    void WaitEvent(uint64_t untilMs) override { inner_.WaitEvent(untilMs); }
    void Sleep1ms() override { inner_.Sleep1ms(); }
    uint64_t NowMs() const override;
    uint32_t RandomSeed() override;
    void AwaitingEvent(const char* what, uint64_t nextTimerMs) override {
        inner_.AwaitingEvent(what, nextTimerMs);
    }
    void TextPromptShown() override { inner_.TextPromptShown(); }
    void ShowWindow() override { inner_.ShowWindow(); }
    void HideWindow() override;
    void DisplaySize(int& width, int& height) const override;
    int SetDisplayMode(int width, int height) override;
    void SetPointer(Pointer p) override { inner_.SetPointer(p); }
    void TrackPointer(bool on) override { inner_.TrackPointer(on); }
    ImageId LoadImageFile(const std::string& path, std::string& error) override;
    ImageId LoadImageMemory(const uint8_t* data, size_t size, std::string& error) override;
    void ImageSize(ImageId id, int& width, int& height) const override {
        inner_.ImageSize(id, width, height);
    }
    bool DrawImage(ImageId id, int x, int y, std::string& error) override {
        return inner_.DrawImage(id, x, y, error);
    }
    void FillRect(int x, int y, int width, int height, Rgb colour) override {
        inner_.FillRect(x, y, width, height, colour);
    }
    void TextSize(const Font& font, const std::string& text, int& width, int& height) override {
        inner_.TextSize(font, text, width, height);
    }
    void DrawText(const Font& font, Rgb colour, int x, int y, const std::string& text, int cx,
                  int cy, int cw, int ch) override {
        inner_.DrawText(font, colour, x, y, text, cx, cy, cw, ch);
    }
    bool SaveCanvasBmp(const std::string& path, int x, int y, int width, int height,
                       std::string& error) override;
    bool MessageBox(BoxKind kind, const std::string& text) override;
    SoundHandle OpenSound(const std::string& path, std::string& error) override;
    bool StopSound(SoundHandle h) override { return inner_.StopSound(h); }
    void RewindSound(SoundHandle h) override { inner_.RewindSound(h); }
    void PlaySound(SoundHandle h) override { inner_.PlaySound(h); }
    std::string CurrentDirectory() const override { return inner_.CurrentDirectory(); }
    std::string DataDirectory() const override { return inner_.DataDirectory(); }
    bool FileExists(const std::string& path) const override;
    bool IsReadOnly(const std::string& path) const override;
    bool MakeWritable(const std::string& path) override;
    FileReadResult ReadGameFile(const std::string& path, size_t maxBytes,
                                std::string& out) override;
    SaveResult SaveGameFile(const std::string& path, const std::string& text) override;
    void RemoveStaleSaves(const std::string& path) override { inner_.RemoveStaleSaves(path); }
    bool MakeFolder(const std::string& path) override;

private:
    Platform& inner_;
    // Written from the const questions too: recording them changes nothing the core can see.
    mutable JournalWriter journal_;
};

}  // namespace murk
