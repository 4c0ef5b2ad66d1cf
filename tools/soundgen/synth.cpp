// Oscillators, envelopes and buffer effects of the sound recipes.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "wavfile.h"

namespace soundgen {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The correction that rounds off a jump of a saw or square wave within one sample of it, so
// high notes do not fold back as harsh, unrelated tones (aliasing).
double PolyBlep(double p, double dt) {
    if (p < dt) {
        p /= dt;
        return p + p - p * p - 1;
    }
    if (p > 1 - dt) {
        p = (p - 1) / dt;
        return p * p + p + p + 1;
    }
    return 0;
}

// One sample of the wave at `phase` (in cycles), `dt` cycles advancing per sample.
double Oscillator(Wave wave, double phase, double dt) {
    const double p = phase - std::floor(phase);
    switch (wave) {
        case Wave::Sine:
            return std::sin(2 * kPi * p);
        case Wave::Triangle:
            return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
        case Wave::Square: {
            const double half = p + 0.5 - std::floor(p + 0.5);
            return (p < 0.5 ? 1 : -1) + PolyBlep(p, dt) - PolyBlep(half, dt);
        }
        case Wave::Saw:
            return 2 * p - 1 - PolyBlep(p, dt);
        case Wave::Noise:
            return 0;  // made by NoiseSource
    }
    return 0;
}

// Random values held at a rate and joined by straight lines: its pitch is its rate. The fixed
// seed keeps every build's files identical.
class NoiseSource {
public:
    double Next(double phase) {
        while (phase >= nextAt_) {
            last_ = next_;
            next_ = Random();
            nextAt_ += 1;
        }
        const double between = 1 - (nextAt_ - phase);
        return last_ + (next_ - last_) * between;
    }

private:
    double Random() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24) * 2 - 1;
    }
    uint32_t state_ = 0x2545F491u;
    double last_ = 0, next_ = 0, nextAt_ = 0;
};

double Envelope(const Voice& v, double t) {
    const double release = std::min(1.0, (v.length - t) / 0.01);
    if (t < v.attack) return std::min(t / v.attack, release);
    if (v.fall <= 0) return release;
    const double progress = (t - v.attack) / std::max(1e-9, v.length - v.attack);
    return std::pow(std::max(0.0, 1 - progress), v.fall);
}

}  // namespace

void AddVoice(std::vector<float>& out, const Voice& v, double pitch) {
    const size_t first = static_cast<size_t>(v.at * kRate);
    const size_t count = static_cast<size_t>(v.length * kRate);
    if (out.size() < first + count) out.resize(first + count, 0.0f);
    NoiseSource noise;
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double glide = std::pow(v.to / v.from, t / v.length);
        const double vibrato = 1 + v.vibratoDepth * std::sin(2 * kPi * v.vibratoHz * t);
        const double dt = v.from * pitch * glide * vibrato / kRate;
        const double value =
            v.wave == Wave::Noise ? noise.Next(phase) : Oscillator(v.wave, phase, dt);
        out[first + i] += static_cast<float>(value * v.gain * Envelope(v, t));
        phase += dt;
    }
}

std::vector<float> Render(const std::vector<Voice>& voices, double pitch) {
    std::vector<float> out;
    for (const Voice& v : voices) AddVoice(out, v, pitch);
    return out;
}

void Normalise(std::vector<float>& samples, float peak) {
    float largest = 0;
    for (float s : samples) largest = std::max(largest, std::fabs(s));
    if (largest <= 0) return;
    for (float& s : samples) s *= peak / largest;
}

void AddEcho(std::vector<float>& samples, double delay, float feedback) {
    const size_t lag = static_cast<size_t>(delay * kRate);
    for (size_t i = lag; i < samples.size(); ++i) samples[i] += feedback * samples[i - lag];
}

void LowPass(std::vector<float>& samples, double cutoffHz) {
    const double k = 1 - std::exp(-2 * kPi * cutoffHz / kRate);
    double state = 0;
    for (float& s : samples) {
        state += k * (s - state);
        s = static_cast<float>(state);
    }
}

void FadeOut(std::vector<float>& samples, double seconds) {
    const size_t n = std::min(samples.size(), static_cast<size_t>(seconds * kRate));
    const size_t start = samples.size() - n;
    for (size_t i = 0; i < n; ++i)
        samples[start + i] *=
            static_cast<float>(1 - static_cast<double>(i) / static_cast<double>(n));
}

}  // namespace soundgen
