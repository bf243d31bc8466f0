// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the hourly chimes, jiho1.wav to jiho12.wav (CHIME_COUNT of them, from
// the build): chime n strikes a bell n times, so every hour sounds different.
// Plain 16-bit mono PCM.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int sample_rate = 22050;
constexpr double pi = 3.14159265358979323846;
constexpr double stroke_spacing_s = 0.6;
constexpr double ring_out_s = 2.4;
constexpr double fundamental_hz = 523.25; // C5

// A struck bell: inharmonic partials, the higher ones dying away faster.
struct Partial
{
    double ratio;
    double amplitude;
    double decay_s;
};
constexpr Partial bell[] = {
    {0.50, 0.35, 1.60},
    {1.00, 1.00, 1.10},
    {1.19, 0.45, 0.90},
    {1.56, 0.30, 0.70},
    {2.00, 0.40, 0.55},
    {2.51, 0.22, 0.40},
    {3.01, 0.15, 0.30},
    {4.07, 0.08, 0.20},
};

void add_stroke(std::vector<double> &samples, double start_s)
{
    const auto first = static_cast<std::size_t>(start_s * sample_rate);
    for (std::size_t k = first; k < samples.size(); ++k) {
        const double t = double(k - first) / sample_rate;
        const double attack = std::min(1.0, t / 0.004); // no click at the strike
        double value = 0.0;
        for (const Partial &p : bell)
            value += p.amplitude * std::exp(-t / p.decay_s)
                * std::sin(2.0 * pi * fundamental_hz * p.ratio * t);
        samples[k] += attack * value;
    }
}

void put_u32(std::ofstream &out, std::uint32_t v)
{
    const char bytes[4]
        = {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char((v >> 24) & 0xff)};
    out.write(bytes, 4);
}

void put_u16(std::ofstream &out, std::uint16_t v)
{
    const char bytes[2] = {char(v & 0xff), char((v >> 8) & 0xff)};
    out.write(bytes, 2);
}

bool write_wav(const std::string &path, const std::vector<double> &samples)
{
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put_u32(out, 36 + data_bytes);
    out.write("WAVEfmt ", 8);
    put_u32(out, 16);
    put_u16(out, 1); // PCM
    put_u16(out, 1); // mono
    put_u32(out, sample_rate);
    put_u32(out, sample_rate * 2);
    put_u16(out, 2);
    put_u16(out, 16);
    out.write("data", 4);
    put_u32(out, data_bytes);
    for (double s : samples)
        put_u16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(s))));
    return bool(out);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    for (int strokes = 1; strokes <= CHIME_COUNT; ++strokes) {
        const double length_s = (strokes - 1) * stroke_spacing_s + ring_out_s;
        std::vector<double> samples(static_cast<std::size_t>(length_s * sample_rate), 0.0);
        for (int n = 0; n < strokes; ++n)
            add_stroke(samples, n * stroke_spacing_s);

        double peak = 0.0;
        for (double s : samples)
            peak = std::max(peak, std::fabs(s));
        const double gain = peak > 0.0 ? 0.8 * 32767.0 / peak : 0.0;
        for (double &s : samples)
            s *= gain;

        const std::string path = std::string(argv[1]) + "/jiho" + std::to_string(strokes) + ".wav";
        if (!write_wav(path, samples)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
