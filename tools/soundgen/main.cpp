// soundgen: writes the game's 26 effect WAV files and the opening song (as a WAV, for encoding).
// Usage: soundgen SOUNDS_DIR SONG_WAV
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/soundtable.h"
#include "effects.h"
#include "song.h"
#include "wavfile.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: soundgen SOUNDS_DIR SONG_WAV\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (size_t i = 0; i < murk::kWaveCount; ++i) {
        const murk::SoundFile& sound = murk::kSoundFiles[i];
        const std::vector<float> samples = soundgen::RenderEffect(sound.id);
        const std::string path = (dir / sound.file).string();
        if (samples.empty() || !soundgen::WriteWav(path, samples)) {
            std::fprintf(stderr, "soundgen: cannot make %s\n", path.c_str());
            return 1;
        }
    }
    if (!soundgen::WriteWav(argv[2], soundgen::RenderSong())) {
        std::fprintf(stderr, "soundgen: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
