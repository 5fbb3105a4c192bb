// Seeded smooth noise, the same on every run.
#include "Noise.h"

#include <cmath>

namespace {

std::uint32_t hash(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

float fade(float t)
{
    return t * t * (3.0f - 2.0f * t);
}

int wrap(int value, int period)
{
    if (period <= 0)
        return value;
    const int m = value % period;
    return m < 0 ? m + period : m;
}

}  // namespace

float Noise::lattice(int x, int y) const
{
    const std::uint32_t h = hash(static_cast<std::uint32_t>(x) * 0x9E3779B1U ^ hash(static_cast<std::uint32_t>(y) + _seed));
    return static_cast<float>(h >> 8) / 16777216.0f;
}

float Noise::smooth(float x, float y, int period) const
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const float tx = fade(x - fx), ty = fade(y - fy);
    auto at = [&](int dx, int dy) { return lattice(wrap(x0 + dx, period), wrap(y0 + dy, period)); };
    const float top = at(0, 0) + (at(1, 0) - at(0, 0)) * tx;
    const float bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

float Noise::fractal(float x, float y, int octaves, int period) const
{
    float sum = 0.0f, weight = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * smooth(x, y, period);
        total += weight;
        x *= 2.0f;
        y *= 2.0f;
        period *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}

float Noise::white(std::uint32_t i) const
{
    return static_cast<float>(hash(i * 0x9E3779B1U + _seed) >> 8) / 8388608.0f - 1.0f;
}
