// HeadlessPlatform: memory canvas, virtual clock, scripted events, recorded boxes and sounds.
#include "platform/headless/headless_platform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "base/bmp.h"
#include "base/safefile.h"
#include "base/tiles.h"

namespace murk {

namespace {

uint32_t Pack(Rgb c) {
    return (c.r << 16) | (c.g << 8) | c.b;
}

// A stand-in colour for a picture that is not read from disk, so different pictures differ.
uint32_t ColourFor(const std::string& path) {
    uint32_t h = 2166136261u;
    for (char ch : path) h = (h ^ static_cast<uint8_t>(ch)) * 16777619u;
    return h & 0xffffff;
}

}  // namespace

size_t HeadlessPlatform::SquareSlot(int x, int y) const {
    if (x < 0 || y < 0 || x >= kCanvasWidth || y >= kCanvasHeight || x % kTilePixels != 0 ||
        y % kTilePixels != 0)
        return SIZE_MAX;
    return static_cast<size_t>(y / kTilePixels) * (kCanvasWidth / kTilePixels) +
           static_cast<size_t>(x / kTilePixels);
}

HeadlessPlatform::HeadlessPlatform()
    : canvas_(static_cast<size_t>(kCanvasWidth) * kCanvasHeight, 0),
      drawnOnSquare_(
          static_cast<size_t>(kCanvasWidth / kTilePixels) * (kCanvasHeight / kTilePixels),
          kNoImage),
      currentDir_(std::filesystem::current_path().string()) {}

bool HeadlessPlatform::PollEvent(Event& e) {
    while (!events_.empty() && events_.front().at <= now_) {
        e = std::move(events_.front().event);
        events_.pop_front();
        if (e.kind != EventKind::MouseMove || tracking_) return true;
    }
    return false;
}

void HeadlessPlatform::WaitEvent(uint64_t untilMs) {
    PresentIfDirty();
    // The virtual clock jumps to whichever comes first: the next queued event or the deadline.
    const uint64_t next = events_.empty() ? untilMs : std::min(untilMs, events_.front().at);
    if (next == kNoDeadline) throw StuckWaiting("an idle wait that only a user could end");
    now_ = std::max(now_, next);
}

void HeadlessPlatform::AwaitingEvent(const char* what, uint64_t nextTimerMs) {
    if (events_.empty() && nextTimerMs == kNoDeadline) throw StuckWaiting(what);
}

void HeadlessPlatform::TextPromptShown() {
    if (!answerPrompts_) return;
    // The answer's keys go before anything already queued: the prompt has the keyboard now.
    std::vector<Event> keys;
    if (!typing_.empty()) {
        const std::string text = std::move(typing_.front());
        typing_.pop_front();
        if (text.empty())
            keys.push_back({EventKind::KeyDown, vk::Back, 0, 0, 0, {}});
        else
            keys.push_back({EventKind::Text, 0, 0, 0, 0, text});
    }
    keys.push_back({EventKind::KeyDown, vk::Enter, 0, 0, 0, {}});
    keys.push_back({EventKind::KeyUp, vk::Enter, 0, 0, 0, {}});
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) events_.push_front({0, *it});
}

void HeadlessPlatform::ShowWindow() {
    if (!shown_) QueueEvent({EventKind::Paint, 0, 0, 0, 0, {}});
    shown_ = true;
    changes_.AddWhole();
}

void HeadlessPlatform::KeepScreen(bool on) {
    screen_ = on ? canvas_ : std::vector<uint32_t>{};
    changes_.Clear();
}

void HeadlessPlatform::PresentIfDirty() {
    if (changes_.Empty()) return;
    ++presents_;
    if (!screen_.empty()) {
        for (const PixelRect& r : changes_.Rects())
            for (int y = r.y; y < r.y + r.h; ++y) {
                const ptrdiff_t at = static_cast<ptrdiff_t>(y) * kCanvasWidth + r.x;
                std::copy_n(canvas_.begin() + at, r.w, screen_.begin() + at);
            }
        if (stale_.empty() && screen_ != canvas_) {
            const auto at = std::mismatch(screen_.begin(), screen_.end(), canvas_.begin()).first -
                            screen_.begin();
            stale_ = "present " + std::to_string(presents_) + " left pixel " +
                     std::to_string(at % kCanvasWidth) + "," + std::to_string(at / kCanvasWidth) +
                     " stale";
        }
    }
    changes_.Clear();
}

void HeadlessPlatform::DisplaySize(int& width, int& height) const {
    width = displayW_;
    height = displayH_;
}

int HeadlessPlatform::SetDisplayMode(int width, int height) {
    ++modeSwitches_;
    displayW_ = width;
    displayH_ = height;
    return 0;
}

ImageId HeadlessPlatform::AddPicture(Picture p) {
    pictures_.push_back(std::move(p));
    return static_cast<ImageId>(pictures_.size() - 1);
}

ImageId HeadlessPlatform::LoadImageFile(const std::string& path, std::string& error) {
    if (fakeImages_) {
        Picture p{path, 32, 32, std::vector<uint32_t>(32 * 32, ColourFor(path))};
        return AddPicture(std::move(p));
    }
    std::string bytes;
    if (ReadWholeFile(path, 64u << 20, bytes) != FileReadResult::Read) {
        error = "Cannot open file \"" + path + "\". No such file or directory.";
        return kNoImage;
    }
    Picture p{path, 0, 0, {}};
    if (!DecodeBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), p.w, p.h, p.pixels,
                   error)) {
        error = "Cannot load \"" + path + "\": " + error;
        return kNoImage;
    }
    return AddPicture(std::move(p));
}

ImageId HeadlessPlatform::LoadImageMemory(const uint8_t* data, size_t size, std::string& error) {
    Picture p{"<memory>", 0, 0, {}};
    if (!DecodeBmp(data, size, p.w, p.h, p.pixels, error)) return kNoImage;
    return AddPicture(std::move(p));
}

void HeadlessPlatform::ImageSize(ImageId id, int& width, int& height) const {
    width = height = 0;
    if (id < 0 || static_cast<size_t>(id) >= pictures_.size()) return;
    width = pictures_[static_cast<size_t>(id)].w;
    height = pictures_[static_cast<size_t>(id)].h;
}

bool HeadlessPlatform::DrawImage(ImageId id, int x, int y, std::string& error) {
    if (id < 0 || static_cast<size_t>(id) >= pictures_.size()) {
        error = "Invalid picture";
        return false;
    }
    const Picture& p = pictures_[static_cast<size_t>(id)];
    now_ += drawCostMs_;
    // Clipped once, then copied row by row: the world's rules draw squares all the time.
    const int x0 = std::max(x, 0), x1 = std::min(x + p.w, kCanvasWidth);
    const int y0 = std::max(y, 0), y1 = std::min(y + p.h, kCanvasHeight);
    const auto row = [&](int cy) {
        return std::make_pair(p.pixels.data() + static_cast<ptrdiff_t>(cy - y) * p.w + (x0 - x),
                              canvas_.data() + static_cast<ptrdiff_t>(cy) * kCanvasWidth + x0);
    };
    if (x1 - x0 == kTilePixels) {  // a whole tile row: a copy of known size, done inline
        for (int cy = y0; cy < y1; ++cy) {
            const auto [from, to] = row(cy);
            std::memcpy(to, from, kTilePixels * sizeof(uint32_t));
        }
    } else {
        for (int cy = y0; cy < y1 && x0 < x1; ++cy) {
            const auto [from, to] = row(cy);
            std::copy_n(from, x1 - x0, to);
        }
    }
    changes_.Add({x, y, p.w, p.h});
    if (const size_t slot = SquareSlot(x, y); slot < drawnOnSquare_.size())
        drawnOnSquare_[slot] = id;
    else
        drawnAt_[{x, y}] = id;
    return true;
}

void HeadlessPlatform::FillRect(int x, int y, int width, int height, Rgb colour) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + width, kCanvasWidth), y1 = std::min(y + height, kCanvasHeight);
    for (int cy = y0; cy < y1; ++cy)
        std::fill(canvas_.begin() + cy * kCanvasWidth + x0,
                  canvas_.begin() + cy * kCanvasWidth + x1, Pack(colour));
    changes_.Add({x, y, width, height});
    std::erase_if(texts_, [&](const TextDraw& t) {
        return t.x >= x && t.y >= y && t.x < x + width && t.y < y + height;
    });
}

void HeadlessPlatform::TextSize(const Font& font, const std::string& text, int& width,
                                int& height) {
    width = static_cast<int>(text.size()) * font.px * 3 / 5;
    height = font.px * 6 / 5;
}

void HeadlessPlatform::DrawText(const Font& font, Rgb colour, int x, int y, const std::string& text,
                                int cx, int cy, int cw, int ch) {
    int w = 0, h = 0;
    TextSize(font, text, w, h);
    changes_.Add(Intersection({x, y, w, h}, {cx, cy, cw, ch}));
    std::erase_if(texts_, [&](const TextDraw& t) { return t.x == x && t.y == y; });
    texts_.push_back({x, y, font, colour, text});
}

bool HeadlessPlatform::SaveCanvasBmp(const std::string& path, int x, int y, int width, int height,
                                     std::string& error) {
    if (x < 0 || y < 0 || width <= 0 || height <= 0 || x + width > kCanvasWidth ||
        y + height > kCanvasHeight) {
        error = "Invalid capture area";
        return false;
    }
    const std::string bmp = EncodeBmp24(
        width, height, canvas_.data() + static_cast<size_t>(y) * kCanvasWidth + x, kCanvasWidth);
    if (!WriteFileAtomically(path, bmp)) {
        error = "Cannot create file \"" + path + "\".";
        return false;
    }
    return true;
}

bool HeadlessPlatform::MessageBox(BoxKind kind, const std::string& text) {
    bool answer = true;
    if (kind == BoxKind::ConfirmYesNo || kind == BoxKind::ConfirmOkCancel) {
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
    }
    boxes_.push_back({kind, text, answer});
    if (onBox) onBox(boxes_.back());
    return answer;
}

SoundHandle HeadlessPlatform::OpenSound(const std::string& path, std::string& error) {
    if (!fakeImages_ && !FileExists(path)) {
        error = "Cannot open sound file \"" + path + "\".";
        return kNoSound;
    }
    sounds_.push_back(path);
    return static_cast<SoundHandle>(sounds_.size() - 1);
}

void HeadlessPlatform::PlaySound(SoundHandle h) {
    if (h < 0 || static_cast<size_t>(h) >= sounds_.size()) return;
    played_.push_back(sounds_[static_cast<size_t>(h)]);
    if (onSoundPlay) onSoundPlay(sounds_[static_cast<size_t>(h)]);
}

SaveResult HeadlessPlatform::SaveGameFile(const std::string& path, const std::string& text) {
    return saveAnswer_ == SaveResult::Saved ? SaveFile(path, text) : saveAnswer_;
}

bool HeadlessPlatform::FileExists(const std::string& path) const {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

bool HeadlessPlatform::IsReadOnly(const std::string& path) const {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & S_IWUSR) == 0;
}

bool HeadlessPlatform::MakeWritable(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    return chmod(path.c_str(), st.st_mode | S_IWUSR) == 0;
}

uint32_t HeadlessPlatform::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= kCanvasWidth || y >= kCanvasHeight) return 0;
    return canvas_[static_cast<size_t>(y) * kCanvasWidth + x];
}

ImageId HeadlessPlatform::ImageDrawnAt(int x, int y) const {
    if (const size_t slot = SquareSlot(x, y); slot < drawnOnSquare_.size())
        return drawnOnSquare_[slot];
    auto it = drawnAt_.find({x, y});
    return it == drawnAt_.end() ? kNoImage : it->second;
}

std::string HeadlessPlatform::ImagePath(ImageId id) const {
    if (id < 0 || static_cast<size_t>(id) >= pictures_.size()) return {};
    return pictures_[static_cast<size_t>(id)].path;
}

std::string HeadlessPlatform::TextIn(int x, int y, int w, int h) const {
    for (auto it = texts_.rbegin(); it != texts_.rend(); ++it)
        if (it->x >= x && it->y >= y && it->x < x + w && it->y < y + h) return it->text;
    return {};
}

}  // namespace murk
