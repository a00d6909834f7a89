#pragma once
// 16-bit PCM mono WAV files: turning a synthesised signal into samples, and samples into the bytes
// of a file. Plain C++, so the sound generator needs nothing but a compiler.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

inline constexpr int16_t WavFullScale = 32767;
inline constexpr uint32_t WavHeaderBytes = 44;

// The signal scaled so its largest swing is `peak` of full scale (0 < peak <= 1), with half-cosine
// fades over the first and last samples so it neither starts nor stops with a click. A silent
// signal stays silent.
inline std::vector<int16_t> ToPcm16(std::vector<double> signal, double peak, size_t fadeInSamples,
                                    size_t fadeOutSamples)
{
    const size_t n = signal.size();
    const double pi = std::acos(-1.0);
    fadeInSamples = std::min(fadeInSamples, n);
    fadeOutSamples = std::min(fadeOutSamples, n);
    for (size_t i = 0; i < fadeInSamples; ++i)
        signal[i] *= 0.5 - 0.5 * std::cos(pi * double(i) / double(fadeInSamples));
    for (size_t i = 0; i < fadeOutSamples; ++i)
        signal[n - 1 - i] *= 0.5 - 0.5 * std::cos(pi * double(i) / double(fadeOutSamples));

    double largest = 0.0;
    for (double x : signal)
        if (std::isfinite(x))
            largest = std::max(largest, std::fabs(x));
    const double gain = largest > 0.0 ? std::clamp(peak, 0.0, 1.0) * WavFullScale / largest : 0.0;
    std::vector<int16_t> pcm(n);
    for (size_t i = 0; i < n; ++i) {
        const double x = std::isfinite(signal[i]) ? std::round(signal[i] * gain) : 0.0;
        pcm[i] = static_cast<int16_t>(std::clamp(x, -double(WavFullScale), double(WavFullScale)));
    }
    return pcm;
}

namespace wav_detail {
inline void Put(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int b = 0; b < bytes; ++b)
        out.push_back(static_cast<uint8_t>(value >> (8 * b)));  // little-endian, whatever the host
}
inline void Tag(std::vector<uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}
}  // namespace wav_detail

// The whole file: the RIFF header, the "fmt " chunk and the "data" chunk.
inline std::vector<uint8_t> WavBytes(const std::vector<int16_t>& samples, uint32_t sampleRate)
{
    using namespace wav_detail;
    const uint16_t channels = 1, bitsPerSample = 16;
    const uint16_t blockAlign = channels * bitsPerSample / 8;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size()) * blockAlign;
    std::vector<uint8_t> out;
    out.reserve(WavHeaderBytes + dataBytes);
    Tag(out, "RIFF");
    Put(out, WavHeaderBytes - 8 + dataBytes, 4);
    Tag(out, "WAVE");
    Tag(out, "fmt ");
    Put(out, 16, 4);  // size of the PCM format chunk
    Put(out, 1, 2);   // PCM
    Put(out, channels, 2);
    Put(out, sampleRate, 4);
    Put(out, sampleRate * blockAlign, 4);
    Put(out, blockAlign, 2);
    Put(out, bitsPerSample, 2);
    Tag(out, "data");
    Put(out, dataBytes, 4);
    for (int16_t s : samples)
        Put(out, static_cast<uint16_t>(s), 2);
    return out;
}

// Writes the bytes to the file; false when the file cannot be written in full.
inline bool WriteWavFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    f.close();
    return !f.fail();
}
