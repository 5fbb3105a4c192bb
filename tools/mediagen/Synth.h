// Building blocks for synthesised sound: a running oscillator, a resonant filter, envelopes and a
// buffer that voices are mixed into.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// A sine or other wave whose frequency may change every sample without clicks.
class Oscillator {
public:
    explicit Oscillator(int rate) : _rate(static_cast<float>(rate)) {}
    // Advances one sample at the given frequency; the phase in [0, 1).
    float step(float frequency);
    float sine(float frequency);
    float square(float frequency, float duty = 0.5f);
    float saw(float frequency);
    float triangle(float frequency);

private:
    float _rate;
    float _phase = 0.0f;
};

// A state-variable filter: low-, band- and high-pass outputs of one input, cutoff changeable per sample.
class Filter {
public:
    explicit Filter(int rate) : _rate(static_cast<float>(rate)) {}
    void run(float input, float cutoff, float resonance = 0.7f);
    float low() const { return _low; }
    float band() const { return _band; }
    float high() const { return _high; }

private:
    float _rate;
    float _low = 0.0f, _band = 0.0f, _high = 0.0f;
};

namespace synth {

// Rises linearly over attack seconds, then dies away exponentially (decay = time to fall to 1/e).
float envelope(float t, float attack, float decay);
// Scales the samples so the loudest is at peak.
void normalize(std::vector<float>& samples, float peak);
// A buffer of seconds of silence at rate, filled by calling voice(t, i) for every sample.
std::vector<float> render(int rate, float seconds, const std::function<float(float t, std::size_t i)>& voice);
// Fades the first and last milliseconds in and out, against clicks.
void softEdges(std::vector<float>& samples, int rate, float milliseconds);

}  // namespace synth
