// Mono 16-bit PCM WAV writer.
#include "wavfile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace soundgen {

namespace {

void Put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

bool WriteWav(const std::string& path, const std::vector<float>& samples) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    Put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    Put(out, 16, 4);  // format chunk size
    Put(out, 1, 2);   // PCM
    Put(out, 1, 2);   // mono
    Put(out, kRate, 4);
    Put(out, kRate * 2, 4);  // bytes per second
    Put(out, 2, 2);          // block align
    Put(out, 16, 2);         // bits per sample
    out += "data";
    Put(out, dataBytes, 4);
    for (float s : samples) {
        const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        Put(out, static_cast<uint32_t>(static_cast<int16_t>(v)), 2);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

}  // namespace soundgen
