#include "tools/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{

constexpr double kAttack = 0.004;
constexpr double kRelease = 0.008;
constexpr double kFadeOut = 0.03;

} // namespace

Track::Track(double seconds) : m_buffer(std::size_t(seconds * kRate), 0.0) {}

double Track::envelope(double t, double length, double decay) const
{
    const double attack = std::min(1.0, t / kAttack);
    const double release = std::clamp((length - t) / kRelease, 0.0, 1.0);
    return attack * release * std::exp(-t / decay);
}

void Track::tone(const Tone &t)
{
    const auto first = std::size_t(t.start * kRate);
    const auto count = std::size_t(t.length * kRate);
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < m_buffer.size(); ++i) {
        const double time = double(i) / kRate;
        const double hz = t.fromHz + (t.toHz - t.fromHz) * time / t.length;
        phase += 2 * std::numbers::pi * hz / kRate;
        const double wave = std::sin(phase) + t.overtone * std::sin(2 * phase);
        m_buffer[first + i] += t.level * envelope(time, t.length, t.decay) * wave;
    }
}

void Track::noise(double start, double length, double level, double decay, double smoothing)
{
    const auto first = std::size_t(start * kRate);
    const auto count = std::size_t(length * kRate);
    double smooth = 0;
    for (std::size_t i = 0; i < count && first + i < m_buffer.size(); ++i) {
        m_noiseState = m_noiseState * 1664525u + 1013904223u;
        const double white = double(m_noiseState >> 8) / double(1u << 23) - 1.0;
        smooth = smoothing * smooth + (1 - smoothing) * white;
        m_buffer[first + i] += level * envelope(double(i) / kRate, length, decay) * smooth;
    }
}

std::vector<int16_t> Track::samples(double peak) const
{
    double loudest = 1e-9;
    for (double s : m_buffer)
        loudest = std::max(loudest, std::abs(s));
    const auto fadeOut = std::size_t(kFadeOut * kRate);
    std::vector<int16_t> out(m_buffer.size());
    for (std::size_t i = 0; i < m_buffer.size(); ++i) {
        const double fade = std::min(1.0, double(m_buffer.size() - 1 - i) / double(fadeOut));
        out[i] = int16_t(std::lround(m_buffer[i] / loudest * peak * fade * 32767));
    }
    return out;
}
