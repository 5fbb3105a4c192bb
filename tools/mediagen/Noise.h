// Smooth pseudo-random noise for textures and sounds, the same for the same seed on every run.
#pragma once

#include <cstdint>

class Noise {
public:
    explicit Noise(std::uint32_t seed) : _seed(seed) {}

    // A value in [0, 1) for integer coordinates: the lattice the smooth noise interpolates.
    float lattice(int x, int y) const;
    // Value noise in [0, 1], smooth in x and y; with a period > 0 it repeats every period units.
    float smooth(float x, float y, int period = 0) const;
    // Several octaves of smooth noise (each twice the frequency, half the weight), in [0, 1].
    float fractal(float x, float y, int octaves, int period = 0) const;
    // A white-noise sample in [-1, 1] for index i, for sounds.
    float white(std::uint32_t i) const;

private:
    std::uint32_t _seed;
};
