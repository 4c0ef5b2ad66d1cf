// The opening song's score: pad chords, a bass, a wind layer and a sparse bell melody.
#include "song.h"

#include <array>
#include <cmath>

#include "synth.h"
#include "wavfile.h"

namespace soundgen {

namespace {

constexpr double kBeat = 0.9;  // seconds: a slow 67 beats a minute
constexpr int kBeatsPerBar = 4;

double Hz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// One chord a bar: Am F C G Am F Dm E, resolving to Am.
struct Chord {
    int root;                // bass note
    std::array<int, 3> pad;  // the held notes
};
constexpr std::array<Chord, 9> kChords{{
    {45, {57, 60, 64}},
    {41, {57, 60, 65}},
    {48, {55, 60, 64}},
    {43, {55, 59, 62}},
    {45, {57, 60, 64}},
    {41, {57, 60, 65}},
    {38, {57, 62, 65}},
    {40, {56, 59, 64}},
    {45, {57, 60, 64}},
}};

struct Note {
    double beat;  // from the song's start
    int midi;
    double beats;
};
// The bell melody enters in the second bar and ends on the home note.
constexpr std::array<Note, 21> kMelody{{
    {4, 72, 2},    {6, 69, 1},      {7, 72, 1},                // F
    {8, 76, 2},    {10, 74, 1},     {11, 72, 1},               // C
    {12, 74, 3},   {15, 71, 1},                                // G
    {16, 72, 1.5}, {17.5, 76, 0.5}, {18, 81, 2},               // Am
    {20, 79, 1},   {21, 77, 1},     {22, 76, 2},               // F
    {24, 77, 1},   {25, 76, 1},     {26, 74, 1}, {27, 72, 1},  // Dm
    {28, 71, 2},   {30, 68, 2},                                // E
    {32, 69, 4},                                               // Am
}};

double BarStart(size_t bar) {
    return static_cast<double>(bar) * kBeatsPerBar * kBeat;
}

// Held chords, slightly detuned in pairs for a slow chorus, and darkened by a filter.
std::vector<float> Pads() {
    std::vector<float> pads;
    const double bar = kBeatsPerBar * kBeat;
    for (size_t i = 0; i < kChords.size(); ++i) {
        const bool last = i + 1 == kChords.size();
        const double length = last ? bar * 1.5 : bar + 1.2;  // overlaps the next chord
        for (int midi : kChords[i].pad) {
            for (double detune : {0.997, 1.003}) {
                const double f = Hz(midi) * detune;
                AddVoice(pads, {BarStart(i), length, Wave::Saw, f, f, 0.12, 1.2, 0.7, 0.3, 0.002});
            }
        }
        const double bass = Hz(kChords[i].root);
        AddVoice(pads, {BarStart(i), length, Wave::Sine, bass, bass, 0.45, 0.3, 0.6});
    }
    LowPass(pads, 900);
    return pads;
}

// A bell: a sine with two quiet overtones, struck and left to ring.
void AddBell(std::vector<float>& out, const Note& n) {
    const double at = n.beat * kBeat;
    const double length = std::max(n.beats * kBeat, 1.6);
    const double f = Hz(n.midi);
    AddVoice(out, {at, length, Wave::Sine, f, f, 0.35, 0.004, 2.5, 5, 0.003});
    AddVoice(out, {at, length * 0.6, Wave::Sine, f * 2, f * 2, 0.10, 0.002, 3});
    AddVoice(out, {at, length * 0.4, Wave::Sine, f * 3.01, f * 3.01, 0.05, 0.002, 3});
}

}  // namespace

std::vector<float> RenderSong() {
    std::vector<float> song = Pads();
    std::vector<float> bells;
    for (const Note& n : kMelody) AddBell(bells, n);
    AddEcho(bells, kBeat * 0.75, 0.35f);
    // A low wind that swells and ebbs under everything.
    std::vector<float> wind;
    AddVoice(wind, {0, static_cast<double>(song.size()) / kRate, Wave::Noise, 500, 500, 0.12, 4, 0,
                    0.15, 0.4});
    LowPass(wind, 400);
    for (size_t i = 0; i < song.size(); ++i) {
        if (i < bells.size()) song[i] += bells[i];
        if (i < wind.size()) song[i] += wind[i];
    }
    Normalise(song, 0.85f);
    FadeOut(song, 3.0);
    return song;
}

}  // namespace soundgen
