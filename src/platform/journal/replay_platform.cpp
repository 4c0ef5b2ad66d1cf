// ReplayPlatform: each answer taken from the journal, or the replay stops with the reason.
#include "platform/journal/replay_platform.h"

#include <tuple>

namespace murk {

namespace {

template <typename T>
T Next(std::deque<T>& from, const char* what) {
    if (from.empty())
        throw ReplayStopped(std::string("the journal ends where the game asks for ") + what);
    T value = std::move(from.front());
    from.pop_front();
    return value;
}

// The game asked about `path` where the journal answered about `recorded`.
void SamePath(const std::string& path, const std::string& recorded, const char* what) {
    if (path != recorded)
        throw ReplayStopped(std::string("the game ") + what + ' ' + path +
                            " where the recorded game " + what + ' ' + recorded);
}

}  // namespace

ReplayPlatform::ReplayPlatform(Journal journal) : journal_(std::move(journal)) {
    SetFakeImages(true);
    if (journal_.folders) {
        SetCurrentDirectory(journal_.folders->first);
        SetDataDirectory(journal_.folders->second);
    }
}

void ReplayPlatform::ThrowWhenAllTold(uint64_t deadline) const {
    if (journal_.events.empty() && (deadline == kNoDeadline || journal_.clock.empty()))
        throw ReplayStopped("the journal ends where the game waits for input");
}

bool ReplayPlatform::PollEvent(Event& e) {
    if (journal_.events.empty()) {
        // A game killed while it ran has no count of its last polls: the replay ends at once.
        if (journal_.idlePolls == 0)
            throw ReplayStopped("the journal ends where the game looks for input");
        --journal_.idlePolls;
        return false;
    }
    JournalEvent& next = journal_.events.front();
    if (next.skip > 0) {
        --next.skip;
        return false;
    }
    e = std::move(next.event);
    journal_.events.pop_front();
    return true;
}

uint64_t ReplayPlatform::NowMs() const {
    if (journal_.clock.empty())
        throw ReplayStopped("the journal ends where the game reads the clock");
    JournalClock& c = journal_.clock.front();
    const uint64_t ms = c.ms;
    if (--c.repeats == 0) journal_.clock.pop_front();
    return ms;
}

uint32_t ReplayPlatform::RandomSeed() {
    return Next(journal_.seeds, "a random seed");
}

void ReplayPlatform::DisplaySize(int& width, int& height) const {
    std::tie(width, height) = Next(journal_.displays, "the display size");
}

int ReplayPlatform::SetDisplayMode(int, int) {
    return Next(journal_.modes, "a display mode");
}

bool ReplayPlatform::Outcome(std::deque<JournalOutcome>& from, const char* what,
                             std::string& error) {
    JournalOutcome o = Next(from, what);
    if (!o.ok) error = o.error;
    return o.ok;
}

ImageId ReplayPlatform::LoadImageFile(const std::string& path, std::string& error) {
    if (!Outcome(journal_.images, "a picture", error)) return kNoImage;
    return HeadlessPlatform::LoadImageFile(path, error);
}

ImageId ReplayPlatform::LoadImageMemory(const uint8_t* data, size_t size, std::string& error) {
    if (!Outcome(journal_.images, "a picture", error)) return kNoImage;
    const ImageId id = HeadlessPlatform::LoadImageMemory(data, size, error);
    // The real machine read it: a stand-in keeps the replay going the same way.
    return id != kNoImage ? id : HeadlessPlatform::LoadImageFile("<memory>", error);
}

bool ReplayPlatform::SaveCanvasBmp(const std::string&, int, int, int, int, std::string& error) {
    return Outcome(journal_.captures, "a saved capture", error);
}

bool ReplayPlatform::MessageBox(BoxKind kind, const std::string& text) {
    const JournalBox box = Next(journal_.boxes, "a message box's answer");
    if (box.kind != kind)
        throw ReplayStopped("the game shows another box than the journal answered: " + text);
    if (onBox) onBox({kind, text, box.answer});
    return box.answer;
}

SoundHandle ReplayPlatform::OpenSound(const std::string& path, std::string& error) {
    if (!Outcome(journal_.sounds, "a sound", error)) return kNoSound;
    return HeadlessPlatform::OpenSound(path, error);
}

bool ReplayPlatform::FileExists(const std::string&) const {
    return Next(journal_.exists, "whether a file exists");
}

bool ReplayPlatform::IsReadOnly(const std::string&) const {
    return Next(journal_.readOnly, "whether a file is read-only");
}

bool ReplayPlatform::MakeWritable(const std::string&) {
    return Next(journal_.writable, "making a file writable");
}

FileReadResult ReplayPlatform::ReadGameFile(const std::string& path, size_t, std::string& out) {
    JournalRead read = Next(journal_.reads, "a file read");
    SamePath(path, read.path, "reads");
    if (!read.kept)
        throw ReplayStopped("the game read " + path + ", too large to be kept in the journal");
    if (read.result == FileReadResult::Read) out = std::move(read.bytes);
    return read.result;
}

SaveResult ReplayPlatform::SaveGameFile(const std::string& path, const std::string& text) {
    const JournalSave save = Next(journal_.saves, "a file saved");
    SamePath(path, save.path, "saves");
    if (save.hash != TextHash(text))
        throw ReplayStopped("the game saves another text in " + path + " than the recorded game");
    return save.result;
}

bool ReplayPlatform::MakeFolder(const std::string& path) {
    const JournalFolder folder = Next(journal_.madeFolders, "a folder made");
    SamePath(path, folder.path, "makes the folder");
    return folder.made;
}

}  // namespace murk
