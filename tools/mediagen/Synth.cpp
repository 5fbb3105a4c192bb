// Oscillators, filters and envelopes for the synthesised sounds.
#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace {
const float Tau = 6.28318530718f;
}

float Oscillator::step(float frequency)
{
    const float phase = _phase;
    _phase += frequency / _rate;
    _phase -= std::floor(_phase);
    return phase;
}

float Oscillator::sine(float frequency)
{
    return std::sin(Tau * step(frequency));
}

float Oscillator::square(float frequency, float duty)
{
    return step(frequency) < duty ? 1.0f : -1.0f;
}

float Oscillator::saw(float frequency)
{
    return 2.0f * step(frequency) - 1.0f;
}

float Oscillator::triangle(float frequency)
{
    const float p = step(frequency);
    return p < 0.5f ? 4.0f * p - 1.0f : 3.0f - 4.0f * p;
}

void Filter::run(float input, float cutoff, float resonance)
{
    const float f = 2.0f * std::sin(3.14159265f * std::min(cutoff, _rate / 6.0f) / _rate);
    const float damping = 1.0f / std::max(resonance, 0.5f);
    _low += f * _band;
    _high = input - _low - damping * _band;
    _band += f * _high;
}

namespace synth {

float envelope(float t, float attack, float decay)
{
    if (t < 0.0f)
        return 0.0f;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

void normalize(std::vector<float>& samples, float peak)
{
    float loudest = 0.0f;
    for (float s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0.0f)
        for (float& s : samples)
            s *= peak / loudest;
}

std::vector<float> render(int rate, float seconds, const std::function<float(float t, std::size_t i)>& voice)
{
    std::vector<float> samples(static_cast<std::size_t>(seconds * static_cast<float>(rate)));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = voice(static_cast<float>(i) / static_cast<float>(rate), i);
    return samples;
}

void softEdges(std::vector<float>& samples, int rate, float milliseconds)
{
    const std::size_t n = std::min(samples.size() / 2, static_cast<std::size_t>(milliseconds * rate / 1000.0f));
    for (std::size_t i = 0; i < n; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(n);
        samples[i] *= g;
        samples[samples.size() - 1 - i] *= g;
    }
}

}  // namespace synth
