// A small additive synthesizer: voices (oscillator, pitch glide, vibrato, envelope) mixed into
// a sample buffer, with the few effects the recipes need.
#pragma once

#include <vector>

namespace soundgen {

enum class Wave { Sine, Triangle, Square, Saw, Noise };

// One sounding note. Times are in seconds. The pitch glides exponentially from `from` to `to`
// (for noise: the rate of new random values, so a low rate rumbles). After the attack the
// level falls as (1 - progress)^fall: 1 fades linearly to silence, larger values are more
// percussive, 0 holds and only releases over the last 10 ms.
struct Voice {
    double at = 0;
    double length = 0.1;
    Wave wave = Wave::Sine;
    double from = 440, to = 440;
    double gain = 1;
    double attack = 0.004;
    double fall = 1;
    double vibratoHz = 0, vibratoDepth = 0;  // depth as a fraction of the pitch
};

// Mixes the voices, every pitch scaled by `pitch`, into a buffer long enough for all of them.
std::vector<float> Render(const std::vector<Voice>& voices, double pitch = 1.0);

// Adds one voice into `out` (growing it when the voice runs past its end).
void AddVoice(std::vector<float>& out, const Voice& v, double pitch = 1.0);

// Scales the buffer so that its largest sample is `peak` (below 1: no clipping).
void Normalise(std::vector<float>& samples, float peak);

// A feedback echo: each sample comes back `delay` seconds later at `feedback` times its level.
void AddEcho(std::vector<float>& samples, double delay, float feedback);

// A gentle one-pole low-pass filter, to take the edge off bright waves.
void LowPass(std::vector<float>& samples, double cutoffHz);

// Fades the last `seconds` of the buffer to silence.
void FadeOut(std::vector<float>& samples, double seconds);

}  // namespace soundgen
