// The journal: everything the core received from the machine, one record a line, written as it
// happens and read back whole for a replay.
//
// After the header line "murk-journal 1" each line is one answer, its first word naming what was
// asked: `s SEED` (a random seed), `t MS N` (the clock read N times in a row), `e SKIP EVENT` (an
// event, after SKIP polls that found none: keys, text, the mouse, paint and close, game pads
// `padon PAD HEXTEXT`, `padoff PAD`, `pdown`/`pup PAD BUTTON`, `paxis PAD AXIS VALUE`, and the
// window's focus `focusout`, `focusin`), `p N` (at the end: polls that found nothing after the
// last event), `b KIND 0|1` (a message box and its answer),
// `d W H` (the display size), `m R` (a display-mode switch's result), `x`, `r`, `w` 0|1 (file
// exists, is read-only, was made writable), `o`, `c`, `i` 1 or `0 HEXTEXT` (a sound opened, the
// canvas saved, a picture loaded, or the error), `g CURRENT DATA` (the program and data
// directories, first), `f PATH R BYTES` (a game file read: R 0 read, 1 cannot open, 2 too large,
// 3 read but too large to keep; the bytes in base64), `v PATH R HASH` (a game file saved: R 0
// saved, 1 the folder takes no new file, 2 failed; the hash of the text the game saved), `k PATH
// 0|1` (a folder made). Texts and paths are written in hexadecimal, so a line never holds anything
// but printable words.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <ostream>
#include <string>

#include "platform/platform.h"

namespace murk {

inline constexpr const char* kJournalHeader = "murk-journal 2";

// The hash a journal keeps of a saved file's text (64-bit FNV-1a): a replay that saves another
// text has gone another way.
uint64_t TextHash(const std::string& text);

// Writes records to a stream; the clock's readings are kept back while they repeat.
class JournalWriter {
public:
    explicit JournalWriter(std::ostream& out);
    ~JournalWriter() { Finish(); }

    void Seed(uint32_t seed);
    void Clock(uint64_t ms);
    // One poll: the event it found, or none.
    void Poll(const Event* found);
    void Box(BoxKind kind, bool answer);
    void Display(int width, int height);
    void Mode(int result);
    // `tag` is 'x', 'r' or 'w'.
    void FileAnswer(char tag, bool yes);
    // `tag` is 'o', 'c' or 'i'.
    void Outcome(char tag, bool ok, const std::string& error);
    void Folders(const std::string& current, const std::string& data);
    void Read(const std::string& path, FileReadResult result, const std::string& bytes);
    void Save(const std::string& path, SaveResult result, const std::string& text);
    void FolderMade(const std::string& path, bool made);
    // Writes what is kept back and flushes the stream (done at every event and box, so a game
    // that dies leaves its journal up to its last input).
    void Flush();
    // The game is over: the polls since the last event are written down too. Called once.
    void Finish();
    bool Failed() const { return !out_; }

private:
    void Line(const std::string& text);
    std::ostream& out_;
    uint64_t clockMs_ = 0, clockRepeats_ = 0;
    uint64_t emptyPolls_ = 0;
    bool finished_ = false;
};

struct JournalEvent {
    uint64_t skip = 0;  // polls that found nothing before this one
    Event event;
};
struct JournalBox {
    BoxKind kind = BoxKind::Plain;
    bool answer = false;
};
struct JournalOutcome {
    bool ok = true;
    std::string error;
};
// A file read larger than this is not kept in the journal: its replay stops there.
inline constexpr size_t kMaxKeptFileBytes = 4u << 20;

struct JournalRead {
    std::string path;
    FileReadResult result = FileReadResult::CannotOpen;
    std::string bytes;
    bool kept = true;
};
struct JournalSave {
    std::string path;
    SaveResult result = SaveResult::Failed;
    uint64_t hash = 0;
};
struct JournalFolder {
    std::string path;
    bool made = false;
};
struct JournalClock {
    uint64_t ms = 0;
    uint64_t repeats = 0;
};

// A whole journal read back, each kind of answer in its own queue, in the order given.
struct Journal {
    std::deque<uint32_t> seeds;
    std::deque<JournalClock> clock;
    std::deque<JournalEvent> events;
    uint64_t idlePolls = 0;  // after the last event, in a game that ended while recorded
    std::deque<JournalBox> boxes;
    std::deque<std::pair<int, int>> displays;
    std::deque<int> modes;
    std::deque<bool> exists, readOnly, writable;
    std::deque<JournalOutcome> sounds, captures, images;
    std::optional<std::pair<std::string, std::string>> folders;  // program, data
    std::deque<JournalRead> reads;
    std::deque<JournalSave> saves;
    std::deque<JournalFolder> madeFolders;

    // Answers not yet asked for.
    size_t Left() const;
};

// Reads a journal file, which may be damaged or hostile: its size and every line are bounded and
// checked. False with `error` naming the line and what is wrong with it.
bool ReadJournal(const std::string& path, Journal& journal, std::string& error);
bool ParseJournal(const std::string& text, Journal& journal, std::string& error);

}  // namespace murk
