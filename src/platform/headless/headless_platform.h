// HeadlessPlatform: the platform without a machine: a memory canvas, a virtual clock, scripted
// events and box answers. Used by the tests and murk-sim.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/dirtyrects.h"
#include "platform/platform.h"

namespace murk {

// Thrown where the core waits for an event that nobody queued while no timer runs: the wait
// could never end. murk-sim reports it as stuck; a test sees it fail instead of hang.
struct StuckWaiting : std::runtime_error {
    explicit StuckWaiting(const std::string& what) : std::runtime_error(what) {}
};

class HeadlessPlatform : public Platform {
public:
    // The seed of a script or test that sets none, so that every run plays the same.
    static constexpr uint32_t kDefaultSeed = 7;

    struct Box {
        BoxKind kind;
        std::string text;
        bool answer;
    };
    struct TextDraw {
        int x, y;
        Font font;
        Rgb colour;
        std::string text;
    };

    HeadlessPlatform();

    // ---- Script side ----
    void QueueEvent(const Event& e) { events_.push_back({0, e}); }
    // An event that becomes pending once the virtual clock reaches `atMs`; events still come out
    // in the order they were queued.
    void QueueEventAt(uint64_t atMs, const Event& e) { events_.push_back({atMs, e}); }
    void QueueKeyDown(int key) { QueueEvent({EventKind::KeyDown, key, 0, 0, 0, {}}); }
    void QueueKeyUp(int key) { QueueEvent({EventKind::KeyUp, key, 0, 0, 0, {}}); }
    void QueueAnswer(bool yes) { answers_.push_back(yes); }
    size_t PendingEvents() const { return events_.size(); }
    // With prompts answered, a text prompt that shows takes the next queued text as a person
    // types it over the selected default, and Enter; with none queued, Enter alone (the default
    // stands). Without, the prompt waits for the events queued like any others.
    void SetAnswerPrompts(bool on) { answerPrompts_ = on; }
    void QueueTyping(std::string text) { typing_.push_back(std::move(text)); }
    void ClearTyping() { typing_.clear(); }
    size_t PendingTyping() const { return typing_.size(); }
    // With fake images every picture "loads" (a solid square) without reading its file.
    void SetFakeImages(bool on) { fakeImages_ = on; }
    void SetDisplay(int w, int h) { displayW_ = w, displayH_ = h; }
    void SetCurrentDirectory(std::string dir) { currentDir_ = std::move(dir); }
    // An installed game's data folder; unset, the data is in the current directory.
    void SetDataDirectory(std::string dir) { dataDir_ = std::move(dir); }
    // From now on every picture drawn advances the virtual clock by `ms`, so timers can fall due
    // at the message pumps inside a room draw, a scan or the bullet step.
    // The seed the core's random generator gets from now on (murk-sim's `seed`).
    void SetSeed(uint32_t seed) { seed_ = seed; }
    void SetDrawCost(int ms) { drawCostMs_ = ms > 0 ? static_cast<uint64_t>(ms) : 0; }
    // From now on every save of a game file answers `result` without touching the disk (a full
    // disk, a read-only mount); Saved goes back to the disk.
    void SetSaveAnswer(SaveResult result) { saveAnswer_ = result; }
    // Called with each box as it is shown (murk-sim prints them).
    std::function<void(const Box&)> onBox;
    std::function<void(const std::string& path)> onSoundPlay;

    // ---- What happened ----
    const std::vector<Box>& Boxes() const { return boxes_; }
    void ClearBoxes() { boxes_.clear(); }
    Pointer CurrentPointer() const { return pointer_; }
    bool WindowShown() const { return shown_; }
    int ModeSwitches() const { return modeSwitches_; }
    uint32_t Pixel(int x, int y) const;
    // The picture last drawn with its top-left corner at (x, y), or kNoImage.
    ImageId ImageDrawnAt(int x, int y) const;
    std::string ImagePath(ImageId id) const;
    // The text last drawn with its top-left corner inside the rectangle, or "".
    std::string TextIn(int x, int y, int w, int h) const;
    const std::vector<std::string>& PlayedSounds() const { return played_; }
    // Presents happen where the SDL platform's do (a game pass's wait, an idle wait) and copy
    // only the rectangles drawn since the last. While the screen is kept, a screen picture (the
    // canvas when kept) is changed only by those copies; after each present it must equal the
    // canvas. StaleScreen() tells the first present after which it did not ("" while all did).
    void KeepScreen(bool on);
    const std::string& StaleScreen() const { return stale_; }
    int Presents() const { return presents_; }

    // ---- Platform ----
    bool PollEvent(Event& e) override;
    // Jumps the clock to the next queued event or the deadline; throws StuckWaiting when there is
    // neither.
    void WaitEvent(uint64_t untilMs) override;
    void Sleep1ms() override {
        PresentIfDirty();
        ++now_;
    }
    uint64_t NowMs() const override { return now_; }
    uint32_t RandomSeed() override { return seed_; }
    // Throws StuckWaiting when no event is queued and no timer runs.
    void AwaitingEvent(const char* what, uint64_t nextTimerMs) override;
    void TextPromptShown() override;
    void ShowWindow() override;
    void HideWindow() override { shown_ = false; }
    void DisplaySize(int& width, int& height) const override;
    int SetDisplayMode(int width, int height) override;
    void SetPointer(Pointer p) override { pointer_ = p; }
    // As on a real machine, a queued pointer move is dropped unless the pointer is tracked.
    void TrackPointer(bool on) override { tracking_ = on; }
    bool TrackingPointer() const { return tracking_; }
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
    bool StopSound(SoundHandle) override { return true; }
    void RewindSound(SoundHandle) override {}
    void PlaySound(SoundHandle h) override;
    std::string CurrentDirectory() const override { return currentDir_; }
    std::string DataDirectory() const override { return dataDir_ ? *dataDir_ : currentDir_; }
    bool FileExists(const std::string& path) const override;
    bool IsReadOnly(const std::string& path) const override;
    bool MakeWritable(const std::string& path) override;
    // The disk's, unless saves are set to fail.
    FileReadResult ReadGameFile(const std::string& path, size_t maxBytes,
                                std::string& out) override {
        return ReadWholeFile(path, maxBytes, out);
    }
    SaveResult SaveGameFile(const std::string& path, const std::string& text) override;
    void RemoveStaleSaves(const std::string& path) override { RemoveStaleTemporaries(path); }
    bool MakeFolder(const std::string& path) override { return MakeFolders(path); }

private:
    struct Picture {
        std::string path;
        int w = 0, h = 0;
        std::vector<uint32_t> pixels;  // 0x00RRGGBB
    };
    ImageId AddPicture(Picture p);
    void PresentIfDirty();

    struct Timed {
        uint64_t at;
        Event event;
    };
    std::deque<Timed> events_;
    std::deque<bool> answers_;
    std::deque<std::string> typing_;
    bool answerPrompts_ = false;
    std::vector<Box> boxes_;
    std::vector<Picture> pictures_;
    std::vector<uint32_t> canvas_;
    DirtyRects changes_{kCanvasWidth, kCanvasHeight};
    std::vector<uint32_t> screen_;  // empty unless kept
    std::string stale_;
    int presents_ = 0;
    // The picture last drawn at each place: squares on the 32-pixel grid in a flat table (the
    // rules draw them all the time), any other place in the map.
    size_t SquareSlot(int x, int y) const;
    std::vector<ImageId> drawnOnSquare_;
    std::map<std::pair<int, int>, ImageId> drawnAt_;
    std::vector<TextDraw> texts_;
    std::vector<std::string> sounds_;
    std::vector<std::string> played_;
    uint64_t now_ = 0;
    uint32_t seed_ = kDefaultSeed;
    uint64_t drawCostMs_ = 0;
    bool fakeImages_ = false;
    bool shown_ = false;
    int displayW_ = kCanvasWidth, displayH_ = kCanvasHeight;
    int modeSwitches_ = 0;
    Pointer pointer_ = Pointer::Normal;
    bool tracking_ = false;
    std::string currentDir_;
    std::optional<std::string> dataDir_;
    SaveResult saveAnswer_ = SaveResult::Saved;
};

}  // namespace murk
