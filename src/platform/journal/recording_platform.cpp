// RecordingPlatform: each answer from the machine passed on and written down.
#include "platform/journal/recording_platform.h"

namespace murk {

bool RecordingPlatform::PollEvent(Event& e) {
    const bool found = inner_.PollEvent(e);
    journal_.Poll(found ? &e : nullptr);
    return found;
}

uint64_t RecordingPlatform::NowMs() const {
    const uint64_t now = inner_.NowMs();
    journal_.Clock(now);
    return now;
}

uint32_t RecordingPlatform::RandomSeed() {
    const uint32_t seed = inner_.RandomSeed();
    journal_.Seed(seed);
    return seed;
}

void RecordingPlatform::HideWindow() {
    journal_.Finish();  // the game is over: what it was told is all down
    inner_.HideWindow();
}

void RecordingPlatform::DisplaySize(int& width, int& height) const {
    inner_.DisplaySize(width, height);
    journal_.Display(width, height);
}

int RecordingPlatform::SetDisplayMode(int width, int height) {
    const int result = inner_.SetDisplayMode(width, height);
    journal_.Mode(result);
    return result;
}

ImageId RecordingPlatform::LoadImageFile(const std::string& path, std::string& error) {
    const ImageId id = inner_.LoadImageFile(path, error);
    journal_.Outcome('i', id != kNoImage, error);
    return id;
}

ImageId RecordingPlatform::LoadImageMemory(const uint8_t* data, size_t size, std::string& error) {
    const ImageId id = inner_.LoadImageMemory(data, size, error);
    journal_.Outcome('i', id != kNoImage, error);
    return id;
}

bool RecordingPlatform::SaveCanvasBmp(const std::string& path, int x, int y, int width, int height,
                                      std::string& error) {
    const bool saved = inner_.SaveCanvasBmp(path, x, y, width, height, error);
    journal_.Outcome('c', saved, error);
    return saved;
}

bool RecordingPlatform::MessageBox(BoxKind kind, const std::string& text) {
    const bool answer = inner_.MessageBox(kind, text);
    journal_.Box(kind, answer);
    return answer;
}

SoundHandle RecordingPlatform::OpenSound(const std::string& path, std::string& error) {
    const SoundHandle h = inner_.OpenSound(path, error);
    journal_.Outcome('o', h != kNoSound, error);
    return h;
}

bool RecordingPlatform::FileExists(const std::string& path) const {
    const bool yes = inner_.FileExists(path);
    journal_.FileAnswer('x', yes);
    return yes;
}

bool RecordingPlatform::IsReadOnly(const std::string& path) const {
    const bool yes = inner_.IsReadOnly(path);
    journal_.FileAnswer('r', yes);
    return yes;
}

bool RecordingPlatform::MakeWritable(const std::string& path) {
    const bool yes = inner_.MakeWritable(path);
    journal_.FileAnswer('w', yes);
    return yes;
}

FileReadResult RecordingPlatform::ReadGameFile(const std::string& path, size_t maxBytes,
                                               std::string& out) {
    const FileReadResult result = inner_.ReadGameFile(path, maxBytes, out);
    journal_.Read(path, result, out);
    return result;
}

SaveResult RecordingPlatform::SaveGameFile(const std::string& path, const std::string& text) {
    const SaveResult result = inner_.SaveGameFile(path, text);
    journal_.Save(path, result, text);
    return result;
}

bool RecordingPlatform::MakeFolder(const std::string& path) {
    const bool made = inner_.MakeFolder(path);
    journal_.FolderMade(path, made);
    return made;
}

}  // namespace murk
