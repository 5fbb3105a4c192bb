// The level's loopable music track.
#include "generators/music.h"

#include <cmath>
#include <string>

#include "LoopMix.h"
#include "Noise.h"
#include "SoundFile.h"
#include "Synth.h"

namespace {

const int Rate = 44100;
const float Beat = 0.6f;  // 100 beats a minute
const float Bar = 4 * Beat;
const int Bars = 28;
const float Tau = 6.28318530718f;

// Am, F, C, G, two bars each, as MIDI notes from low to high.
const int Chords[4][3] = {{57, 60, 64}, {53, 57, 60}, {48, 52, 55}, {55, 59, 62}};

float frequency(int midi)
{
    return 440.0f * std::pow(2.0f, static_cast<float>(midi - 69) / 12.0f);
}

const int* chordAt(int bar)
{
    return Chords[(bar / 2) % 4];
}

void addPad(LoopMix& mix, int bar)
{
    for (int k = 0; k < 3; ++k)
        for (float side : {-0.5f, 0.5f}) {
            const float f = frequency(chordAt(bar)[k]) * (1.0f + side * 0.006f);
            Oscillator a(Rate), b(Rate);
            Filter warm(Rate);
            mix.add(static_cast<float>(bar) * Bar, 2 * Bar + 0.8f, side, [=](float t) mutable {
                warm.run(a.saw(f) + b.saw(f * 1.003f), 700.0f + 250.0f * std::sin(Tau * 0.2f * t), 0.9f);
                const float level = std::fmin(1.0f, t / 0.5f) * (t < 2 * Bar ? 1.0f : std::exp(-(t - 2 * Bar) / 0.25f));
                return 0.05f * warm.low() * level;
            });
        }
}

void addBass(LoopMix& mix, int bar)
{
    const int root = chordAt(bar)[0] - 24 + (chordAt(bar)[0] < 52 ? 12 : 0);
    const int pattern[8] = {0, 0, 12, 0, 0, 7, 12, 7};
    for (int step = 0; step < 8; ++step) {
        Oscillator osc(Rate);
        Filter round(Rate);
        const float f = frequency(root + pattern[step]);
        mix.add(static_cast<float>(bar) * Bar + static_cast<float>(step) * Beat / 2, Beat / 2, 0.0f, [=](float t) mutable {
            round.run(osc.square(f), 300.0f + 900.0f * std::exp(-t * 18.0f), 1.2f);
            return 0.22f * round.low() * synth::envelope(t, 0.005f, 0.25f) * std::fmin(1.0f, (Beat / 2 - t) / 0.02f);
        });
    }
}

// Sixteenth notes climbing through the chord, each with a softer echo on the other side.
void addArpeggio(LoopMix& mix, int bar)
{
    const int order[8] = {0, 1, 2, 3, 4, 3, 2, 1};
    for (int step = 0; step < 16; ++step) {
        const int k = order[step % 8];
        const int midi = chordAt(bar)[k % 3] + 12 * (1 + k / 3);
        for (int echo = 0; echo < 3; ++echo) {
            Oscillator osc(Rate);
            const float f = frequency(midi);
            const float gain = 0.09f * std::pow(0.45f, static_cast<float>(echo));
            mix.add(static_cast<float>(bar) * Bar + static_cast<float>(step) * Beat / 4 + 0.45f * static_cast<float>(echo), 0.4f,
                    echo % 2 ? 0.6f : -0.3f, [=](float t) mutable {
                        return gain * osc.triangle(f) * synth::envelope(t, 0.003f, 0.09f);
                    });
        }
    }
}

// The tune: two bars a phrase, notes as (beat, length in beats, MIDI note).
void addMelody(LoopMix& mix, int bar)
{
    static const float Phrases[4][4][3] = {
        {{0, 1.5f, 76}, {1.5f, 0.5f, 74}, {2, 2, 72}, {4, 4, 69}},
        {{0, 1.5f, 72}, {1.5f, 0.5f, 74}, {2, 2, 76}, {4, 4, 77}},
        {{0, 1.5f, 79}, {1.5f, 0.5f, 77}, {2, 2, 76}, {4, 4, 72}},
        {{0, 2, 74}, {2, 1, 71}, {3, 1, 74}, {4, 4, 79}},
    };
    if (bar % 2)
        return;
    for (const auto& note : Phrases[(bar / 2) % 4]) {
        Oscillator osc(Rate), vibrato(Rate);
        Filter soft(Rate);
        const float f = frequency(static_cast<int>(note[2])), length = note[1] * Beat;
        mix.add(static_cast<float>(bar) * Bar + note[0] * Beat, length + 0.3f, 0.15f, [=](float t) mutable {
            const float wobble = 1.0f + 0.006f * vibrato.sine(5.0f) * std::fmin(1.0f, t / 0.3f);
            soft.run(osc.square(f * wobble, 0.3f), 2200.0f, 0.8f);
            const float release = t < length ? 1.0f : std::exp(-(t - length) / 0.08f);
            return 0.1f * soft.low() * std::fmin(1.0f, t / 0.02f) * release;
        });
    }
}

void addDrums(LoopMix& mix, int bar, bool kicks, bool snares, bool hats)
{
    const float start = static_cast<float>(bar) * Bar;
    for (int beat = 0; beat < 4 && kicks; beat += 2) {
        Oscillator osc(Rate);
        mix.add(start + static_cast<float>(beat) * Beat, 0.4f, 0.0f, [=](float t) mutable {
            return 0.55f * osc.sine(45.0f + 100.0f * std::exp(-t * 28.0f)) * synth::envelope(t, 0.002f, 0.16f);
        });
    }
    const Noise noise(static_cast<std::uint32_t>(200 + bar));
    for (int beat = 1; beat < 4 && snares; beat += 2) {
        Filter crack(Rate);
        Oscillator tone(Rate);
        std::uint32_t i = static_cast<std::uint32_t>(beat) * 100000u;
        mix.add(start + static_cast<float>(beat) * Beat, 0.3f, 0.1f, [=](float t) mutable {
            crack.run(noise.white(i++), 2200.0f, 0.8f);
            return (0.3f * crack.band() + 0.12f * tone.sine(190.0f)) * synth::envelope(t, 0.001f, 0.08f);
        });
    }
    for (int eighth = 0; eighth < 8 && hats; ++eighth) {
        Filter tick(Rate);
        std::uint32_t i = static_cast<std::uint32_t>(eighth) * 10000u + 7u;
        mix.add(start + static_cast<float>(eighth) * Beat / 2, 0.08f, -0.35f, [=](float t) mutable {
            tick.run(noise.white(i++), 9000.0f, 0.7f);
            return (eighth % 2 ? 0.1f : 0.06f) * tick.high() * synth::envelope(t, 0.001f, 0.02f);
        });
    }
}

// Bars 0-7 pads and bass, 8-15 add arpeggios and beat, 16-23 the tune over everything,
// 24-27 a quieter bridge back to the start.
std::vector<float> compose()
{
    LoopMix mix(Rate, Bar * Bars);
    for (int bar = 0; bar < Bars; bar += 2)
        addPad(mix, bar);
    for (int bar = 0; bar < Bars; ++bar) {
        const bool bridge = bar >= 24;
        addBass(mix, bar);
        if (bar >= 8)
            addArpeggio(mix, bar);
        if (bar >= 16 && !bridge)
            addMelody(mix, bar);
        addDrums(mix, bar, bar >= 4 && !bridge, bar >= 8 && !bridge, bar >= 8);
    }
    return mix.interleaved(0.89f);
}

}  // namespace

const char* const MusicFile = "Brelvan_-_02_-_Quorvex.mp3";

void writeMusic(const OutputFolder& out)
{
    saveSound(out.path(std::string("Sound/") + MusicFile), compose(), Rate, 2);
}
