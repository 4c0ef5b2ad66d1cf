// Effect recipes: each game event's voices. Player 2's effects are player 1's a fourth lower.
#include "effects.h"

#include <array>
#include <string>

#include "synth.h"

namespace soundgen {

namespace {

// Player 2's set is the same recipes pitched down a fourth: related, but told apart at once.
constexpr double kPlayer2Pitch = 0.75;
constexpr float kEffectPeak = 0.8f;  // about -2 dBFS: headroom for the mixer

using W = Wave;

struct Recipe {
    std::string_view suffix;  // the id's last two digits, shared by both players
    std::vector<Voice> voices;
};

// Fields: at, length, wave, from, to, gain, attack, fall, vibratoHz, vibratoDepth.
const std::array<Recipe, 13>& Recipes() {
    static const std::array<Recipe, 13> recipes{{
        // Bullet: a quick falling "pew" with a click at the muzzle.
        {"00",
         {{0, 0.16, W::Square, 1500, 260, 0.5, 0.002, 1.5},
          {0, 0.04, W::Noise, 6000, 2000, 0.4, 0.001, 2}}},
        // Health kit picked up: a warm rising triad.
        {"01",
         {{0.00, 0.12, W::Triangle, 523, 523, 0.5, 0.005, 1.2},
          {0.08, 0.14, W::Triangle, 659, 659, 0.5, 0.005, 1.2},
          {0.16, 0.16, W::Triangle, 784, 784, 0.5, 0.005, 1.2},
          {0.24, 0.20, W::Triangle, 1047, 1047, 0.5, 0.005, 1.5, 6, 0.01}}},
        // Gold: the bright two-note coin.
        {"02",
         {{0.00, 0.08, W::Square, 988, 988, 0.35, 0.002, 0},
          {0.07, 0.28, W::Square, 1319, 1319, 0.35, 0.002, 1.5},
          {0.07, 0.20, W::Sine, 2637, 2637, 0.15, 0.002, 2}}},
        // Key: a small metallic jingle.
        {"03",
         {{0.00, 0.16, W::Triangle, 1568, 1568, 0.5, 0.002, 2, 25, 0.02},
          {0.07, 0.16, W::Triangle, 2093, 2093, 0.5, 0.002, 2, 25, 0.02},
          {0.14, 0.16, W::Triangle, 1760, 1760, 0.5, 0.002, 2, 25, 0.02},
          {0.21, 0.17, W::Triangle, 2349, 2349, 0.5, 0.002, 2, 25, 0.02}}},
        // Bomb picked up: a heavy thud and two low blips.
        {"04",
         {{0.00, 0.30, W::Sine, 160, 70, 0.9, 0.003, 1.5},
          {0.00, 0.06, W::Square, 330, 330, 0.25, 0.002, 1},
          {0.08, 0.10, W::Square, 247, 247, 0.25, 0.002, 1.5}}},
        // Hurt: two clashing buzzes and a scrape.
        {"05",
         {{0, 0.35, W::Saw, 220, 180, 0.5, 0.003, 1, 30, 0.06},
          {0, 0.35, W::Square, 233, 190, 0.4, 0.003, 1, 27, 0.05},
          {0, 0.12, W::Noise, 3000, 800, 0.4, 0.002, 1.5}}},
        // Death: a long wobbling fall.
        {"06",
         {{0.0, 0.95, W::Square, 700, 70, 0.45, 0.005, 0.8, 9, 0.05},
          {0.0, 0.95, W::Triangle, 350, 35, 0.4, 0.005, 0.8, 9, 0.05},
          {0.5, 0.45, W::Noise, 400, 100, 0.2, 0.05, 1}}},
        // Door: a creaking hinge (a slow, uneven pulse train) and the latch.
        {"07",
         {{0.00, 0.45, W::Saw, 45, 75, 0.55, 0.03, 0.5, 5.5, 0.25},
          {0.40, 0.28, W::Saw, 75, 50, 0.5, 0.02, 0.8, 7, 0.3},
          {0.66, 0.06, W::Noise, 1200, 400, 0.5, 0.002, 2},
          {0.66, 0.09, W::Sine, 110, 80, 0.5, 0.002, 2}}},
        // Heart hit: a heartbeat's lub-dub under a small ping.
        {"08",
         {{0.00, 0.16, W::Sine, 120, 55, 1.0, 0.003, 2},
          {0.20, 0.20, W::Sine, 105, 50, 0.8, 0.003, 2},
          {0.00, 0.12, W::Triangle, 880, 660, 0.2, 0.002, 2}}},
        // Warp: a shimmering sweep upwards.
        {"09",
         {{0, 1.0, W::Sine, 180, 1800, 0.5, 0.05, 0, 14, 0.04},
          {0, 1.0, W::Triangle, 360, 3600, 0.25, 0.05, 0, 14, 0.04},
          {0, 0.9, W::Square, 90, 900, 0.08, 0.05, 1}}},
        // Health kit used: a soft healing swell.
        {"10",
         {{0.00, 0.55, W::Sine, 523, 784, 0.5, 0.03, 1, 6, 0.015},
          {0.00, 0.55, W::Sine, 1047, 1568, 0.2, 0.05, 1.2},
          {0.25, 0.30, W::Triangle, 1568, 1568, 0.15, 0.005, 1.5}}},
        // Explosion: a noise burst collapsing into a low boom.
        {"11",
         {{0, 0.95, W::Noise, 5000, 150, 0.9, 0.003, 1.6},
          {0, 0.70, W::Sine, 80, 30, 0.7, 0.003, 1.3},
          {0, 0.90, W::Noise, 600, 80, 0.5, 0.01, 1.2}}},
        // Pig producer eaten: three chomps and a gulp.
        {"12",
         {{0.00, 0.06, W::Noise, 1800, 600, 0.5, 0.002, 2},
          {0.00, 0.09, W::Square, 260, 140, 0.35, 0.002, 1.5},
          {0.13, 0.06, W::Noise, 1800, 600, 0.5, 0.002, 2},
          {0.13, 0.09, W::Square, 260, 140, 0.35, 0.002, 1.5},
          {0.26, 0.06, W::Noise, 1800, 600, 0.5, 0.002, 2},
          {0.26, 0.09, W::Square, 260, 140, 0.35, 0.002, 1.5},
          {0.40, 0.20, W::Sine, 380, 140, 0.6, 0.01, 1, 12, 0.05}}},
    }};
    return recipes;
}

}  // namespace

std::vector<float> RenderEffect(std::string_view id) {
    if (id.size() != 3 || id[0] != 'S') return {};
    const bool player2 = id[1] >= '2';
    const char tens = static_cast<char>(id[1] - (player2 ? 2 : 0));
    const std::string suffix{tens, id[2]};
    for (const Recipe& r : Recipes()) {
        if (r.suffix != suffix) continue;
        std::vector<float> samples = Render(r.voices, player2 ? kPlayer2Pitch : 1.0);
        Normalise(samples, kEffectPeak);
        return samples;
    }
    return {};
}

}  // namespace soundgen
