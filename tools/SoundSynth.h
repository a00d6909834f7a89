#pragma once
// The game's four sounds, made from seeded noise, damped sines and envelopes. Every run gives the
// same samples, so a rebuild never changes a sound that nobody touched.
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "tools/WavWriter.h"

inline constexpr uint32_t SoundRate = 44100;

namespace synth {

inline constexpr double TwoPi = 6.283185307179586;

// xorshift32: small, fast and the same on every compiler, unlike the standard distributions.
struct SeededNoise {
    uint32_t state;
    double Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return double(state) / 2147483648.0 - 1.0;
    }
};

// A one-pole low-pass; its complement gives the high-pass.
struct OnePole {
    double a, y = 0.0;
    OnePole(double cutoff, double rate) : a(1.0 - std::exp(-TwoPi * cutoff / rate)) {}
    double Low(double x) { return y += a * (x - y); }
    double High(double x) { return x - Low(x); }
};

inline size_t At(double seconds, double rate) { return static_cast<size_t>(std::max(0.0, seconds) * rate); }

// Quick linear attack, then exponential decay.
inline double Strike(double t, double attack, double tau)
{
    return (t < attack ? t / attack : 1.0) * std::exp(-t / tau);
}

// How long a decay takes to fall below a level nobody hears.
inline double Ring(double tau) { return tau * 12.0; }

inline void AddDampedSine(std::vector<double>& out, double rate, double start, double freq, double amp,
                          double tau, double attack = 0.001)
{
    const size_t from = At(start, rate), to = std::min(out.size(), At(start + Ring(tau), rate));
    for (size_t i = from; i < to; ++i) {
        const double t = double(i - from) / rate;
        out[i] += amp * Strike(t, attack, tau) * std::sin(TwoPi * freq * t);
    }
}

// A burst of noise between two cut-offs: a click, a snap or the rap of a knuckle.
inline void AddNoiseBurst(std::vector<double>& out, double rate, double start, double amp, double tau,
                          double lowCut, double highCut, uint32_t seed, double attack = 0.0005)
{
    SeededNoise noise{seed * 2654435761u + 1u};
    // Two low-pass stages: one alone leaves a hiss that tires the ear over a whole game.
    OnePole high(lowCut, rate), low(highCut, rate), lower(highCut, rate);
    const size_t from = At(start, rate), to = std::min(out.size(), At(start + Ring(tau), rate));
    for (size_t i = from; i < to; ++i) {
        const double t = double(i - from) / rate;
        out[i] += amp * Strike(t, attack, tau) * lower.Low(low.Low(high.High(noise.Next())));
    }
}

inline std::vector<double> Silence(double seconds, double rate) { return std::vector<double>(At(seconds, rate)); }

// A card landing on the cloth: a short dull slap with a little crisp edge.
inline std::vector<double> CardSnap(double rate)
{
    auto out = Silence(0.075, rate);
    AddNoiseBurst(out, rate, 0.002, 1.0, 0.009, 500, 4000, 11, 0.0008);
    AddNoiseBurst(out, rate, 0.002, 0.35, 0.0025, 2500, 9000, 12);
    AddDampedSine(out, rate, 0.002, 140, 0.45, 0.014);
    return out;
}

// Two halves of a pack riffled together: quickening clicks that swell, fade and end in a soft clack.
inline std::vector<double> Riffle(double rate)
{
    auto out = Silence(0.8, rate);
    SeededNoise jitter{20240611u};
    const double end = 0.7;
    uint32_t k = 0;
    for (double t = 0.02; t < end; ++k) {
        const double progress = t / end;
        const double swell = std::min(1.0, t / 0.12) * (t > 0.55 ? std::max(0.3, (end - t) / (end - 0.55)) : 1.0);
        const double amp = swell * (0.8 + 0.2 * jitter.Next());
        AddNoiseBurst(out, rate, t, amp, 0.0022, 900, 6000, 100 + k, 0.0003);
        AddDampedSine(out, rate, t, 320 + 40 * jitter.Next(), amp * 0.12, 0.004);
        t += (0.021 - 0.009 * progress) * (1.0 + 0.25 * jitter.Next());
    }
    AddNoiseBurst(out, rate, 0.73, 0.7, 0.008, 400, 3000, 99, 0.001);
    return out;
}

// One rap of a knuckle on a wooden table: a few wood modes and the knuckle's own click.
inline void AddKnock(std::vector<double>& out, double rate, double start, double amp, double pitch, uint32_t seed)
{
    struct Mode { double freq, amp, tau; };
    static constexpr std::array<Mode, 4> modes{{{180, 1.0, 0.030}, {395, 0.55, 0.020}, {820, 0.3, 0.010}, {1700, 0.15, 0.004}}};
    for (const Mode& m : modes)
        AddDampedSine(out, rate, start, m.freq * pitch, m.amp * amp, m.tau, 0.0008);
    AddNoiseBurst(out, rate, start, 0.5 * amp, 0.002, 300, 3500, seed);
}

inline std::vector<double> Knock(double rate)
{
    auto out = Silence(0.35, rate);
    AddKnock(out, rate, 0.004, 1.0, 1.0, 31);
    AddKnock(out, rate, 0.17, 0.85, 1.03, 32);
    return out;
}

// A small bell: a few partials dying away at their own rates, one of them slightly detuned so the
// note shimmers.
inline std::vector<double> Chime(double rate)
{
    auto out = Silence(0.42, rate);
    struct Partial { double ratio, amp, tau; };
    static constexpr std::array<Partial, 5> partials{{{1.0, 1.0, 0.16}, {1.004, 0.3, 0.16}, {2.0, 0.3, 0.08}, {2.76, 0.12, 0.05}, {5.4, 0.05, 0.02}}};
    const double note = 987.77;  // B5
    for (const Partial& p : partials)
        AddDampedSine(out, rate, 0.0, note * p.ratio, p.amp, p.tau, 0.003);
    return out;
}

}  // namespace synth

struct SoundRecipe {
    const char* file;
    std::vector<double> (*make)(double rate);
    double peak;       // of full scale
    double fadeInMs;
    double fadeOutMs;
};

// The card sound plays for every card dealt or played, so it is the quietest.
inline const std::array<SoundRecipe, 4>& SoundRecipes()
{
    static const std::array<SoundRecipe, 4> recipes{{
        {"carddeal1.wav", synth::CardSnap, 0.45, 0.5, 10},
        {"riffle.wav", synth::Riffle, 0.5, 1, 25},
        {"knock.wav", synth::Knock, 0.6, 0.5, 20},
        {"ringout.wav", synth::Chime, 0.45, 1, 80},
    }};
    return recipes;
}

inline std::vector<int16_t> RenderSound(const SoundRecipe& r, uint32_t rate = SoundRate)
{
    const auto ms = [rate](double m) { return static_cast<size_t>(m * rate / 1000.0); };
    return ToPcm16(r.make(rate), r.peak, ms(r.fadeInMs), ms(r.fadeOutMs));
}
