// A stereo mix that wraps round so the track loops seamlessly.
#include "LoopMix.h"

#include <algorithm>
#include <cmath>

LoopMix::LoopMix(int rate, float seconds)
    : _rate(rate), _left(static_cast<std::size_t>(seconds * static_cast<float>(rate))), _right(_left.size())
{
}

void LoopMix::add(float start, float seconds, float pan, const std::function<float(float t)>& sound)
{
    // Equal-power panning.
    const float angle = (pan + 1.0f) * 0.25f * 3.14159265f;
    const float gainLeft = std::cos(angle), gainRight = std::sin(angle);
    const std::size_t first = static_cast<std::size_t>(std::lround(start * static_cast<float>(_rate)));
    const std::size_t count = static_cast<std::size_t>(seconds * static_cast<float>(_rate));
    for (std::size_t i = 0; i < count; ++i) {
        const float s = sound(static_cast<float>(i) / static_cast<float>(_rate));
        const std::size_t at = (first + i) % _left.size();
        _left[at] += s * gainLeft;
        _right[at] += s * gainRight;
    }
}

std::vector<float> LoopMix::interleaved(float peak) const
{
    float loudest = 0.0f;
    for (std::size_t i = 0; i < _left.size(); ++i)
        loudest = std::max({loudest, std::abs(_left[i]), std::abs(_right[i])});
    const float gain = loudest > 0.0f ? peak / loudest : 0.0f;
    std::vector<float> out;
    out.reserve(_left.size() * 2);
    for (std::size_t i = 0; i < _left.size(); ++i) {
        out.push_back(_left[i] * gain);
        out.push_back(_right[i] * gain);
    }
    return out;
}
