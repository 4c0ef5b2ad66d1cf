// Writing mono 16-bit PCM WAV files.
#pragma once

#include <string>
#include <vector>

namespace soundgen {

inline constexpr int kRate = 44100;  // samples per second, the mixer's own rate

// Writes samples in -1..1 (clamped) as a mono 16-bit WAV file; false when it cannot be written.
bool WriteWav(const std::string& path, const std::vector<float>& samples);

}  // namespace soundgen
