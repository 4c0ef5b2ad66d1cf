// ReplayPlatform: the headless backend answering the core from a journal instead of a script.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/headless/headless_platform.h"
#include "platform/journal/journal.h"

namespace murk {

// Thrown where the core asks for an answer the journal does not hold: the journal ended before
// the game did (a game killed while it ran), or the game has gone another way than the recorded
// one (a box of another kind than the one answered).
struct ReplayStopped : std::runtime_error {
    explicit ReplayStopped(const std::string& what) : std::runtime_error(what) {}
};

// Every answer the machine gave is taken from the journal in the order it was given; drawing goes
// to the memory canvas, pictures and sounds are stand-ins (as in murk-sim), and the canvas is
// never saved to a file. Time passes only as the journal's clock readings say, so waits and
// sleeps return at once.
class ReplayPlatform final : public HeadlessPlatform {
public:
    explicit ReplayPlatform(Journal journal);

    // Answers the core has not asked for (non-zero after a whole game: it went another way).
    size_t Left() const { return journal_.Left(); }

    bool PollEvent(Event& e) override;
    void WaitEvent(uint64_t untilMs) override { ThrowWhenAllTold(untilMs); }
    void Sleep1ms() override {}
    uint64_t NowMs() const override;
    uint32_t RandomSeed() override;
    void AwaitingEvent(const char*, uint64_t nextTimerMs) override {
        ThrowWhenAllTold(nextTimerMs);
    }
    void DisplaySize(int& width, int& height) const override;
    int SetDisplayMode(int width, int height) override;
    ImageId LoadImageFile(const std::string& path, std::string& error) override;
    ImageId LoadImageMemory(const uint8_t* data, size_t size, std::string& error) override;
    bool SaveCanvasBmp(const std::string& path, int x, int y, int width, int height,
                       std::string& error) override;
    bool MessageBox(BoxKind kind, const std::string& text) override;
    SoundHandle OpenSound(const std::string& path, std::string& error) override;
    bool FileExists(const std::string& path) const override;
    bool IsReadOnly(const std::string& path) const override;
    bool MakeWritable(const std::string& path) override;
    // Files are answered from the journal, never the disk; a game that asks for another file
    // than the recorded one, or saves another text, has gone another way.
    FileReadResult ReadGameFile(const std::string& path, size_t maxBytes,
                                std::string& out) override;
    SaveResult SaveGameFile(const std::string& path, const std::string& text) override;
    void RemoveStaleSaves(const std::string&) override {}
    bool MakeFolder(const std::string& path) override;

private:
    // A wait that no event left in the journal and no timer can end would last for ever: the
    // recording ended here.
    void ThrowWhenAllTold(uint64_t deadline) const;
    bool Outcome(std::deque<JournalOutcome>& from, const char* what, std::string& error);

    // The questions the core asks through const calls take their answers too.
    mutable Journal journal_;
};

}  // namespace murk
