// Writing and reading the journal's lines.
#include "platform/journal/journal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
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

constexpr std::array<std::pair<EventKind, const char*>, 15> kEventWords{{
    {EventKind::KeyDown, "down"},
    {EventKind::KeyUp, "up"},
    {EventKind::Text, "text"},
    {EventKind::MouseDown, "mdown"},
    {EventKind::MouseUp, "mup"},
    {EventKind::MouseMove, "mmove"},
    {EventKind::Paint, "paint"},
    {EventKind::Close, "close"},
    {EventKind::PadAdded, "padon"},
    {EventKind::PadRemoved, "padoff"},
    {EventKind::PadButtonDown, "pdown"},
    {EventKind::PadButtonUp, "pup"},
    {EventKind::PadAxis, "paxis"},
    {EventKind::FocusLost, "focusout"},
    {EventKind::FocusGained, "focusin"},
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

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// A file's bytes take a third more room in base64 than on disk, where hexadecimal would double.
std::string Base64(const std::string& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = std::min<size_t>(3, bytes.size() - i);
        uint32_t v = 0;
        for (size_t k = 0; k < 3; ++k)
            v = v << 8 | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (size_t k = 0; k < 4; ++k) out += k <= n ? kBase64[(v >> (18 - 6 * k)) & 63] : '=';
    }
    return out.empty() ? "-" : out;
}

bool Unbase64(const std::string& text, std::string& out) {
    out.clear();
    if (text == "-") return true;
    if (text.size() % 4 != 0) return false;
    for (size_t i = 0; i < text.size(); i += 4) {
        uint32_t v = 0;
        size_t pad = 0;
        for (size_t k = 0; k < 4; ++k) {
            const char c = text[i + k];
            const char* at = c == '=' ? nullptr : std::strchr(kBase64, c);
            if (c == '=' && i + 4 == text.size() && k >= 2) {
                ++pad;
            } else if (!at || c == '\0' || pad > 0) {
                return false;
            }
            v = v << 6 | (at ? static_cast<uint32_t>(at - kBase64) : 0u);
        }
        for (size_t k = 0; k < 3 - pad; ++k) out += static_cast<char>((v >> (16 - 8 * k)) & 255);
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
        case EventKind::FocusLost:
        case EventKind::FocusGained:
            return w.size() == 3;
        case EventKind::PadAdded:
            return w.size() == 5 && Number(w[3], e.pad, 0, INT32_MAX) && Unhex(w[4], e.text);
        case EventKind::PadRemoved:
            return w.size() == 4 && Number(w[3], e.pad, 0, INT32_MAX);
        case EventKind::PadButtonDown:
        case EventKind::PadButtonUp:
            return w.size() == 5 && Number(w[3], e.pad, 0, INT32_MAX) &&
                   Number(w[4], e.button, 0, pad::kButtons - 1);
        case EventKind::PadAxis:
            return w.size() == 6 && Number(w[3], e.pad, 0, INT32_MAX) &&
                   Number(w[4], e.button, 0, pad::kAxes - 1) &&
                   Number(w[5], e.value, pad::kAxisMin, pad::kAxisMax);
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

bool ParseFileLine(const std::vector<std::string>& w, Journal& j) {
    const std::string& tag = w[0];
    if (tag == "g") {
        std::pair<std::string, std::string> f;
        if (j.folders || w.size() != 3 || !Unhex(w[1], f.first) || !Unhex(w[2], f.second))
            return false;
        j.folders = std::move(f);
        return true;
    }
    if (tag == "f") {
        JournalRead r;
        int result = 0;
        if (w.size() != 4 || !Unhex(w[1], r.path) || !Number(w[2], result, 0, 3) ||
            !Unbase64(w[3], r.bytes) || (result != 0 && !r.bytes.empty()))
            return false;
        r.kept = result != 3;
        r.result = r.kept ? static_cast<FileReadResult>(result) : FileReadResult::Read;
        j.reads.push_back(std::move(r));
        return true;
    }
    if (tag == "v") {
        JournalSave s;
        int result = 0;
        const std::string& hash = w.size() == 4 ? w[3] : tag;
        const auto [end, ec] = std::from_chars(hash.data(), hash.data() + hash.size(), s.hash, 16);
        if (w.size() != 4 || !Unhex(w[1], s.path) || !Number(w[2], result, 0, 2) ||
            ec != std::errc{} || end != hash.data() + hash.size())
            return false;
        s.result = static_cast<SaveResult>(result);
        j.saves.push_back(std::move(s));
        return true;
    }
    if (tag == "k") {
        JournalFolder f;
        if (w.size() != 3 || !Unhex(w[1], f.path) || !Flag(w[2], f.made)) return false;
        j.madeFolders.push_back(std::move(f));
        return true;
    }
    return false;
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
    return ParseFileLine(w, j);
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
        case EventKind::FocusLost:
        case EventKind::FocusGained:
            break;
        case EventKind::PadAdded:
            line << ' ' << found->pad << ' ' << Hex(found->text);
            break;
        case EventKind::PadRemoved:
            line << ' ' << found->pad;
            break;
        case EventKind::PadButtonDown:
        case EventKind::PadButtonUp:
            line << ' ' << found->pad << ' ' << found->button;
            break;
        case EventKind::PadAxis:
            line << ' ' << found->pad << ' ' << found->button << ' ' << found->value;
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

void JournalWriter::Folders(const std::string& current, const std::string& data) {
    Line("g " + Hex(current) + ' ' + Hex(data));
}

void JournalWriter::Read(const std::string& path, FileReadResult result, const std::string& bytes) {
    Flush();
    const bool read = result == FileReadResult::Read;
    if (read && bytes.size() > kMaxKeptFileBytes) {
        Line("f " + Hex(path) + " 3 -");
        return;
    }
    Line("f " + Hex(path) + ' ' + std::to_string(static_cast<int>(result)) + ' ' +
         Base64(read ? bytes : std::string()));
}

void JournalWriter::Save(const std::string& path, SaveResult result, const std::string& text) {
    Flush();
    std::ostringstream line;
    line << "v " << Hex(path) << ' ' << static_cast<int>(result) << ' ' << std::hex
         << TextHash(text);
    Line(line.str());
    out_.flush();
}

void JournalWriter::FolderMade(const std::string& path, bool made) {
    Flush();
    Line("k " + Hex(path) + (made ? " 1" : " 0"));
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
           captures.size() + images.size() + reads.size() + saves.size() + madeFolders.size();
}

uint64_t TextHash(const std::string& text) {
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    return h;
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
    if (NextLine(in, line) && line == "murk-journal 1") {
        error = "a journal of an older game, which kept no files it read: it cannot be replayed";
        return false;
    }
    if (line != kJournalHeader) {
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
        // A file read holds the file: its line is bounded by the journal's size alone.
        const bool fits = line.size() <= kMaxLineBytes || line.compare(0, 2, "f ") == 0;
        const bool read = blankFrom == 0 && fits && Words(line, words) && ParseLine(words, journal);
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
