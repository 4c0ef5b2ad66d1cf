// Fuzz target: the whole game on a fuzzed level, options file and high-score table, with a fuzzed
// stream of keys, clicks, answers, names and passes.
//
// Input: sections separated by "\n%%\n": the level file, then (when there are four) the bytes of
// Options.dat and of HighScores.dat (with three: Options.dat alone), then the play bytes. Without
// a table section the folder holds none. The first four play bytes are the game speed (modulo 41
// ms: the pace costs time, not coverage), the number of players, the seed and flags (bit 0: the
// folder is read-only, which bites only when not run as root; bit 1: the files are read-only;
// bit 2: a second level beside the first, so a warp can find its next level gone). Each byte
// after them is one step:
//   00-1f key down, 20-3f key up, 40-5f key tap (of kKeys[b & 31])
//   60-7f (b & 31) + 1 passes, 80-bf ((b & 63) + 1) * 8 passes
//   c0-cf the next confirmation's answer (bit 0)
//   d0-df the next high-score name: kNameLengths[b & 7] characters, ASCII or (bit 3) two-byte
//   e0-ef a click at the point the next two bytes give (x * 4, y * 3)
//   f0 the window's close button, f1 Level001.dat taken away, f2 HighScores.dat taken away
//   f3 a game pad's step, from the next byte n: pad 1 + (n >> 7), and by (n >> 4) & 7 connect,
//      disconnect, press or release button n & 15, the stick to kStick[n & 3], kStick[(n >> 2)
//      & 3], or give it to player 1 + (n & 1)
//   f4 the window left, f5 the window back 10 * (the next byte) ms later
// The steps become a murk-sim script run in a scratch game folder, so a finding replays as the
// files and a script. MURK_FUZZ_SCRIPT=1 prints the script (names are long: beware).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/gridfile.h"
#include "base/safefile.h"
#include "sim/sim.h"

namespace {

namespace fs = std::filesystem;

// Both players' default keys, the menu's keys and a few that only the forms know. Print Screen
// is left out: a capture per input would only fill the disk.
constexpr int kKeys[32] = {37,  38,  39,  40,  17,  16,  84, 70, 71, 72, 90, 65, 27, 13, 113, 112,
                           118, 121, 122, 123, 116, 117, 8,  9,  32, 18, 46, 48, 49, 50, 66,  35};
constexpr int kMaxPasses = 2000;  // keeps one input well under a second
// The stick's positions: its ends, just outside the dead zone, the middle.
constexpr int kStick[4] = {-32768, 9000, 0, 32767};
constexpr const char* kPadButtons[16] = {"a",
                                         "b",
                                         "x",
                                         "y",
                                         "back",
                                         "guide",
                                         "start",
                                         "leftstick",
                                         "rightstick",
                                         "leftshoulder",
                                         "rightshoulder",
                                         "dpup",
                                         "dpdown",
                                         "dpleft",
                                         "dpright",
                                         "dpup"};

void PadStep(std::ostringstream& s, uint8_t n) {
    const int pad = 1 + (n >> 7);
    switch ((n >> 4) & 7) {
        case 0:
            s << "pad connect " << pad << " Fuzzed pad\n";
            break;
        case 1:
            s << "pad disconnect " << pad << '\n';
            break;
        case 2:
        case 3:
            s << "pad " << ((n >> 4 & 7) == 2 ? "press " : "release ") << pad << ' '
              << kPadButtons[n & 15] << '\n';
            break;
        case 4:
        case 5:
            s << "pad stick " << pad << ' ' << kStick[n & 3] << ' ' << kStick[(n >> 2) & 3] << '\n';
            break;
        default:
            s << "pad player " << pad << ' ' << 1 + (n & 1) << '\n';
            break;
    }
}
// Names up to past the longest a table cell holds.
constexpr size_t kNameLengths[8] = {0, 1, 9, 55, 1000, 99999, 100000, 100001};

fs::path folder;

struct Setup {
    bool readOnlyFolder = false, readOnlyFiles = false, secondLevel = false;
};

std::string Script(const uint8_t* play, size_t size, bool optionsFile, Setup& setup) {
    std::ostringstream s;
    s << "sound off\n";
    if (optionsFile) s << "optionsfile\n";
    if (size >= 4) {
        s << "speed " << play[0] % 41 << "\nplayers " << 1 + play[1] % 2 << "\nseed "
          << int(play[2]) << '\n';
        setup = {(play[3] & 1) != 0, (play[3] & 2) != 0, (play[3] & 4) != 0};
        play += 4;
        size -= 4;
    } else {
        size = 0;
    }
    s << "start\n";
    int passes = 0;
    for (size_t i = 0; i < size && passes < kMaxPasses; ++i) {
        const uint8_t b = play[i];
        const int key = kKeys[b & 31];
        if (b < 0x20) {
            s << "down " << key << '\n';
        } else if (b < 0x40) {
            s << "up " << key << '\n';
        } else if (b < 0x60) {
            s << "down " << key << "\nup " << key << '\n';
        } else if (b < 0xc0) {
            const int n = b < 0x80 ? (b & 31) + 1 : ((b & 63) + 1) * 8;
            s << "tick " << n << '\n';
            passes += n;
        } else if (b < 0xd0) {
            s << "answer " << ((b & 1) ? "yes" : "no") << '\n';
        } else if (b < 0xe0) {
            const size_t length = kNameLengths[b & 7];
            std::string name;
            if (b & 8)
                for (size_t c = 0; c < length; ++c) name += "\xc3\xa9";  // é
            else
                name.assign(length, 'W');
            s << "name " << name << '\n';
        } else if (b < 0xf0) {
            const int x = i + 1 < size ? play[i + 1] * 4 : 0;
            const int y = i + 2 < size ? play[i + 2] * 3 : 0;
            i += 2;
            s << "click " << x << ' ' << y << '\n';
        } else if (b == 0xf0) {
            s << "close\n";
        } else if (b == 0xf1) {
            s << "remove Level001.dat\n";
        } else if (b == 0xf2) {
            s << "remove HighScores.dat\n";
        } else if (b == 0xf3) {
            if (i + 1 < size) PadStep(s, play[++i]);
        } else if (b == 0xf4) {
            s << "focus lost\n";
        } else if (b == 0xf5) {
            s << "focus back " << 10 * (i + 1 < size ? play[++i] : 0) << '\n';
        }
    }
    return s.str();
}

// Splits the input at each "\n%%\n".
std::vector<std::string> Sections(const std::string& input) {
    std::vector<std::string> out;
    size_t from = 0;
    for (size_t at; (at = input.find("\n%%\n", from)) != std::string::npos; from = at + 4)
        out.push_back(input.substr(from, at - from));
    out.push_back(input.substr(from));
    return out;
}

void WriteOrRemove(const fs::path& file, const std::string* bytes) {
    std::error_code ec;
    fs::remove(file, ec);
    if (bytes) std::ofstream(file, std::ios::binary) << *bytes;
}

void SetFolderWritable(bool writable) {
    using fs::perms;
    const perms open = perms::owner_all | perms::group_read | perms::group_exec |
                       perms::others_read | perms::others_exec;
    std::error_code ec;
    fs::permissions(folder, writable ? open : perms::owner_read | perms::owner_exec, ec);
}

void SetFilesWritable(bool writable) {
    using fs::perms;
    std::error_code ec;
    for (const char* name : {"Options.dat", "HighScores.dat"})
        fs::permissions(folder / name,
                        writable ? perms::owner_read | perms::owner_write : perms::owner_read, ec);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char name[] = "/tmp/murk-game-fuzz.XXXXXX";
    if (!mkdtemp(name)) std::abort();
    folder = name;
    fs::create_directories(folder / "Levels");
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(folder, ec);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> parts =
        Sections(std::string(reinterpret_cast<const char*>(data), size));
    const std::string& play = parts.size() > 1 ? parts.back() : std::string();
    const std::string* options = parts.size() > 2 ? &parts[1] : nullptr;
    const std::string* table = parts.size() > 3 ? &parts[2] : nullptr;
    Setup setup;
    std::istringstream script(Script(reinterpret_cast<const uint8_t*>(play.data()), play.size(),
                                     options != nullptr, setup));

    SetFolderWritable(true);  // as the last input may have left it
    WriteOrRemove(folder / "Levels" / "Level000.dat", &parts[0]);
    WriteOrRemove(folder / "Levels" / "Level001.dat", setup.secondLevel ? &parts[0] : nullptr);
    WriteOrRemove(folder / "Options.dat", options);
    WriteOrRemove(folder / "HighScores.dat", table);
    SetFilesWritable(!setup.readOnlyFiles);
    SetFolderWritable(!setup.readOnlyFolder);

    if (std::getenv("MURK_FUZZ_SCRIPT")) std::cerr << script.str();
    std::ostringstream out, err;
    // murk-sim plays in the current folder; libFuzzer's own paths are relative to the old one.
    const fs::path here = fs::current_path();
    fs::current_path(folder);
    const int status = murk::RunSimulator(script, out, err);
    fs::current_path(here);
    SetFolderWritable(true);
    // 3 (a held key nobody releases) ends a run early; 2 would be a script this target wrote badly.
    if (status == 2) {
        std::cerr << err.str();
        std::abort();
    }
    // Whatever table the game wrote, it reads back.
    std::string now;
    const std::string tablePath = (folder / "HighScores.dat").string();
    if (murk::ReadWholeFile(tablePath, 64u << 20, now) == murk::FileReadResult::Read &&
        (!table || now != *table)) {
        murk::StringGrid grid;
        murk::GridHeader header{};
        if (murk::ReadGridFile(tablePath, grid, header) != murk::GridReadResult::Read) {
            std::cerr << "the game wrote a high-score table it cannot read\n";
            std::abort();
        }
    }
    return 0;
}
