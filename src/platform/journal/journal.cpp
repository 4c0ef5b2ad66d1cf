// Writing and reading the journal's lines.
#include "platform/journal/journal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>
#include <vector>

#include "base/safefile.h"

namespace murk {

namespace {

// Hours of play come to a few megabytes; the bounds keep a hostile file from filling the memory
// or keeping a replay busy for ever (a count of polls or readings is bounded too).
constexpr size_t kMaxJournalBytes = 32u << 20;
constexpr uint64_t kMaxRun = 1'000'000'000;
// A recording's polls and clock readings are bounded by the time its clock saw pass: far more
// than a game at full speed does in a millisecond, and a start before the clock was first read.
constexpr uint64_t kWorkPerMs = 100'000;
constexpr uint64_t kWorkBeforeClock = 10'000'000;
constexpr size_t kMaxLineBytes = 4096;
constexpr int kMaxCoordinate = 1 << 20;

constexpr std::array<std::pair<BoxKind, const char*>, 5> kBoxWords{{
    {BoxKind::Error, "error"},
    {BoxKind::Exception, "exception"},
    {BoxKind::ConfirmYesNo, "yesno"},
    {BoxKind::ConfirmOkCancel, "okcancel"},
    {BoxKind::Plain, "plain"},
}};

constexpr std::array<std::pair<EventKind, const char*>, 8> kEventWords{{
    {EventKind::KeyDown, "down"},
    {EventKind::KeyUp, "up"},
    {EventKind::Text, "text"},
    {EventKind::MouseDown, "mdown"},
    {EventKind::MouseUp, "mup"},
    {EventKind::MouseMove, "mmove"},
    {EventKind::Paint, "paint"},
    {EventKind::Close, "close"},
}};

std::string Hex(const std::string& text) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : text) {
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out.empty() ? "-" : out;  // a word even for the empty text
}

bool Unhex(const std::string& hex, std::string& out) {
    out.clear();
    if (hex == "-") return true;
    if (hex.size() % 2 != 0) return false;
    for (size_t i = 0; i < hex.size(); i += 2) {
        unsigned value = 0;
        const auto [end, ec] = std::from_chars(hex.data() + i, hex.data() + i + 2, value, 16);
        if (ec != std::errc{} || end != hex.data() + i + 2) return false;
        out += static_cast<char>(value);
    }
    return true;
}

template <typename T>
bool Number(const std::string& word, T& out, T low, T high) {
    T value{};
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || word.empty()) return false;
    if (value < low || value > high) return false;
    out = value;
    return true;
}

bool Flag(const std::string& word, bool& out) {
    if (word != "0" && word != "1") return false;
    out = word == "1";
    return true;
}

// One line's words; a line of anything but printable words is refused.
bool Words(const std::string& line, std::vector<std::string>& words) {
    words.clear();
    std::string word;
    for (char c : line) {
        if (c == ' ') {
            if (word.empty()) return false;
            words.push_back(std::move(word));
            word.clear();
        } else if (c > ' ' && c < 127) {
            word += c;
        } else {
            return false;
        }
    }
    if (word.empty()) return false;
    words.push_back(std::move(word));
    return true;
}

bool ParseEvent(const std::vector<std::string>& w, JournalEvent& out) {
    if (w.size() < 3 || !Number<uint64_t>(w[1], out.skip, 0, kMaxRun)) return false;
    Event& e = out.event;
    const auto* kind = std::find_if(kEventWords.begin(), kEventWords.end(),
                                    [&](const auto& k) { return w[2] == k.second; });
    if (kind == kEventWords.end()) return false;
    e.kind = kind->first;
    switch (e.kind) {
        case EventKind::KeyDown:
        case EventKind::KeyUp:
            return w.size() == 4 && Number(w[3], e.key, 0, 255);
        case EventKind::Text:
            return w.size() == 4 && Unhex(w[3], e.text);
        case EventKind::MouseDown:
        case EventKind::MouseUp:
        case EventKind::MouseMove:
            return w.size() == 6 && Number(w[3], e.button, 0, 255) &&
                   Number(w[4], e.x, -kMaxCoordinate, kMaxCoordinate) &&
                   Number(w[5], e.y, -kMaxCoordinate, kMaxCoordinate);
        case EventKind::Paint:
        case EventKind::Close:
            return w.size() == 3;
    }
    return false;
}

bool ParseOutcome(const std::vector<std::string>& w, std::deque<JournalOutcome>& to) {
    JournalOutcome o;
    if (w.size() == 2 && w[1] == "1") return to.push_back(o), true;
    if (w.size() != 3 || w[1] != "0" || !Unhex(w[2], o.error)) return false;
    o.ok = false;
    to.push_back(std::move(o));
    return true;
}

bool ParseFlag(const std::vector<std::string>& w, std::deque<bool>& to) {
    bool yes = false;
    if (w.size() != 2 || !Flag(w[1], yes)) return false;
    to.push_back(yes);
    return true;
}

bool ParseLine(const std::vector<std::string>& w, Journal& j) {
    const std::string& tag = w[0];
    if (tag == "t") {
        JournalClock c;
        if (w.size() != 3 || !Number<uint64_t>(w[1], c.ms, 0, UINT64_MAX) ||
            !Number<uint64_t>(w[2], c.repeats, 1, kMaxRun))
            return false;
        j.clock.push_back(c);
        return true;
    }
    if (tag == "e") {
        JournalEvent e;
        if (!ParseEvent(w, e)) return false;
        j.events.push_back(std::move(e));
        return true;
    }
    if (tag == "p") {
        uint64_t polls = 0;
        if (w.size() != 2 || !Number<uint64_t>(w[1], polls, 0, kMaxRun)) return false;
        j.idlePolls += polls;
        return true;
    }
    if (tag == "s") {
        uint32_t seed = 0;
        if (w.size() != 2 || !Number<uint32_t>(w[1], seed, 0, UINT32_MAX)) return false;
        j.seeds.push_back(seed);
        return true;
    }
    if (tag == "b") {
        JournalBox b;
        const auto* kind = std::find_if(kBoxWords.begin(), kBoxWords.end(), [&](const auto& k) {
            return w.size() == 3 && w[1] == k.second;
        });
        if (kind == kBoxWords.end() || !Flag(w[2], b.answer)) return false;
        b.kind = kind->first;
        j.boxes.push_back(b);
        return true;
    }
    if (tag == "d") {
        std::pair<int, int> size;
        if (w.size() != 3 || !Number(w[1], size.first, 0, kMaxCoordinate) ||
            !Number(w[2], size.second, 0, kMaxCoordinate))
            return false;
        j.displays.push_back(size);
        return true;
    }
    if (tag == "m") {
        int result = 0;
        if (w.size() != 2 || !Number(w[1], result, INT32_MIN, INT32_MAX)) return false;
        j.modes.push_back(result);
        return true;
    }
    if (tag == "x") return ParseFlag(w, j.exists);
    if (tag == "r") return ParseFlag(w, j.readOnly);
    if (tag == "w") return ParseFlag(w, j.writable);
    if (tag == "o") return ParseOutcome(w, j.sounds);
    if (tag == "c") return ParseOutcome(w, j.captures);
    if (tag == "i") return ParseOutcome(w, j.images);
    return false;
}

}  // namespace

JournalWriter::JournalWriter(std::ostream& out) : out_(out) {
    Line(kJournalHeader);
}

void JournalWriter::Line(const std::string& text) {
    out_ << text << '\n';
}

void JournalWriter::Seed(uint32_t seed) {
    Flush();
    Line("s " + std::to_string(seed));
}

void JournalWriter::Clock(uint64_t ms) {
    if (clockRepeats_ > 0 && ms == clockMs_) {
        ++clockRepeats_;
        return;
    }
    if (clockRepeats_ > 0)
        Line("t " + std::to_string(clockMs_) + ' ' + std::to_string(clockRepeats_));
    clockMs_ = ms;
    clockRepeats_ = 1;
}

void JournalWriter::Poll(const Event* found) {
    if (!found) {
        ++emptyPolls_;
        return;
    }
    std::ostringstream line;
    line << "e " << emptyPolls_ << ' ';
    for (const auto& [kind, word] : kEventWords)
        if (kind == found->kind) line << word;
    switch (found->kind) {
        case EventKind::KeyDown:
        case EventKind::KeyUp:
            line << ' ' << found->key;
            break;
        case EventKind::Text:
            line << ' ' << Hex(found->text);
            break;
        case EventKind::MouseDown:
        case EventKind::MouseUp:
        case EventKind::MouseMove:
            line << ' ' << found->button << ' ' << found->x << ' ' << found->y;
            break;
        case EventKind::Paint:
        case EventKind::Close:
            break;
    }
    emptyPolls_ = 0;
    Flush();
    Line(line.str());
    out_.flush();
}

void JournalWriter::Box(BoxKind kind, bool answer) {
    Flush();
    for (const auto& [k, word] : kBoxWords)
        if (k == kind) Line(std::string("b ") + word + (answer ? " 1" : " 0"));
    out_.flush();
}

void JournalWriter::Display(int width, int height) {
    Flush();
    Line("d " + std::to_string(width) + ' ' + std::to_string(height));
}

void JournalWriter::Mode(int result) {
    Flush();
    Line("m " + std::to_string(result));
}

void JournalWriter::FileAnswer(char tag, bool yes) {
    Flush();
    Line(std::string(1, tag) + (yes ? " 1" : " 0"));
}

void JournalWriter::Outcome(char tag, bool ok, const std::string& error) {
    Flush();
    Line(std::string(1, tag) + (ok ? " 1" : " 0 " + Hex(error)));
}

void JournalWriter::Flush() {
    if (clockRepeats_ > 0)
        Line("t " + std::to_string(clockMs_) + ' ' + std::to_string(clockRepeats_));
    clockRepeats_ = 0;
    out_.flush();
}

void JournalWriter::Finish() {
    if (finished_) return;
    finished_ = true;
    Flush();
    Line("p " + std::to_string(emptyPolls_));
    out_.flush();
}

size_t Journal::Left() const {
    return seeds.size() + clock.size() + events.size() + boxes.size() + displays.size() +
           modes.size() + exists.size() + readOnly.size() + writable.size() + sounds.size() +
           captures.size() + images.size();
}

namespace {

// The work a replay of the lines so far asks (polls and clock readings) against what the clock
// readings so far allow.
class WorkBound {
public:
    // Counts the line just read into `j`; false once the work passes the bound.
    bool Add(const std::vector<std::string>& w, const Journal& j) {
        if (w[0] == "t") {
            const JournalClock& c = j.clock.back();
            first_ = std::min(first_, c.ms);
            last_ = std::max(last_, c.ms);
            work_ += c.repeats;
        } else if (w[0] == "e") {
            work_ += j.events.back().skip;
        } else if (w[0] == "p") {
            work_ += j.idlePolls - idlePolls_;
            idlePolls_ = j.idlePolls;
        }
        const uint64_t span = first_ <= last_ ? last_ - first_ + 1 : 0;
        return span > (UINT64_MAX - kWorkBeforeClock) / kWorkPerMs ||
               work_ <= kWorkBeforeClock + span * kWorkPerMs;
    }

private:
    uint64_t first_ = UINT64_MAX, last_ = 0;
    uint64_t work_ = 0;  // at most a billion a line over a 32 MB file: no overflow
    uint64_t idlePolls_ = 0;
};

// A line as written, without the carriage return a copy through another system may add.
bool NextLine(std::istringstream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace

bool ParseJournal(const std::string& text, Journal& journal, std::string& error) {
    journal = Journal{};
    std::istringstream in(text);
    std::string line;
    std::vector<std::string> words;
    if (!NextLine(in, line) || line != kJournalHeader) {
        error = "not a journal of this game (its first line is not \"" +
                std::string(kJournalHeader) + "\")";
        return false;
    }
    // A disk that filled up, or a game killed mid-write, leaves a last line without its line
    // end: the journal holds what came before it, as a killed game's does. Blank lines may only
    // close the journal.
    const bool lastLineWhole = text.empty() || text.back() == '\n';
    WorkBound work;
    size_t blankFrom = 0;  // the number of the first of the blank lines seen last, or 0
    for (size_t number = 2; NextLine(in, line); ++number) {
        if (line.empty()) {
            if (blankFrom == 0) blankFrom = number;
            continue;
        }
        const bool last = in.peek() == std::char_traits<char>::eof();
        const bool read = blankFrom == 0 && line.size() <= kMaxLineBytes && Words(line, words) &&
                          ParseLine(words, journal);
        if (!read && last && !lastLineWhole && blankFrom == 0) return true;
        if (!read) {
            error = "line " + std::to_string(blankFrom != 0 ? blankFrom : number) + " is damaged";
            journal = Journal{};
            return false;
        }
        if (!work.Add(words, journal)) {
            error = "line " + std::to_string(number) +
                    " asks more polls and clock readings than the recording's clock allows";
            journal = Journal{};
            return false;
        }
    }
    return true;
}

bool ReadJournal(const std::string& path, Journal& journal, std::string& error) {
    std::string text;
    switch (ReadWholeFile(path, kMaxJournalBytes, text)) {
        case FileReadResult::Read:
            break;
        case FileReadResult::CannotOpen:
            error = "cannot open " + path;
            return false;
        case FileReadResult::TooLarge:
            error = path + " is too large to be a journal";
            return false;
    }
    if (ParseJournal(text, journal, error)) return true;
    error = path + ": " + error;
    return false;
}

}  // namespace murk
