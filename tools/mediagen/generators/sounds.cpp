// The game's synthesised sound effects.
#include "generators/sounds.h"

#include <cmath>
#include <string>
#include <vector>

#include "Noise.h"
#include "SoundFile.h"
#include "Synth.h"

using synth::envelope;
using synth::render;

namespace {

const int Rate = 22050;
const float Tau = 6.28318530718f;

float ramp(float x)
{
    return std::fmin(1.0f, std::fmax(0.0f, x));
}

// A struck bell: a few inharmonic partials, the higher ones dying sooner.
float bell(float t, float frequency, float decay)
{
    const float partials[4][2] = {{1.0f, 1.0f}, {2.76f, 0.5f}, {5.4f, 0.25f}, {8.93f, 0.12f}};
    float sum = 0.0f;
    for (const auto& p : partials)
        sum += p[1] * std::sin(Tau * frequency * p[0] * t) * envelope(t, 0.002f, decay / p[0]);
    return sum;
}

std::vector<float> finished(std::vector<float> samples, float peak = 0.9f)
{
    synth::normalize(samples, peak);
    synth::softEdges(samples, Rate, 4.0f);
    return samples;
}

// A new question: a bright two-note chime, rising.
std::vector<float> questionChime()
{
    return finished(render(Rate, 1.4f, [](float t, std::size_t) {
        return bell(t, 880.0f, 0.5f) + bell(t - 0.18f, 1318.5f, 0.6f);
    }));
}

// A cartoon spring: a low twang whose pitch wobbles as it dies away.
std::vector<float> boing()
{
    Oscillator osc(Rate);
    return finished(render(Rate, 0.9f, [&](float t, std::size_t) {
        const float pitch = 110.0f + 160.0f * std::exp(-t * 5.0f) + 35.0f * std::sin(Tau * 11.0f * t) * std::exp(-t * 2.5f);
        const float body = osc.sine(pitch) + 0.35f * std::sin(2.0f * Tau * pitch * t);
        return body * envelope(t, 0.005f, 0.3f);
    }));
}

// Sparkles: a quick rising arpeggio of bells over a shimmer of high noise.
std::vector<float> magic()
{
    const Noise noise(101);
    Filter shimmer(Rate);
    const float notes[5] = {1046.5f, 1318.5f, 1568.0f, 2093.0f, 2637.0f};
    return finished(render(Rate, 1.3f, [&](float t, std::size_t i) {
        float sum = 0.0f;
        for (int k = 0; k < 5; ++k)
            sum += 0.5f * bell(t - 0.07f * static_cast<float>(k), notes[k], 0.35f);
        shimmer.run(noise.white(static_cast<std::uint32_t>(i)), 7000.0f, 2.0f);
        return sum + 0.25f * shimmer.band() * envelope(t, 0.2f, 0.35f) * (0.6f + 0.4f * std::sin(Tau * 23.0f * t));
    }));
}

// A heavy door gliding on its rail: a rumbling whoosh, then the clunk as it stops.
std::vector<float> doorSliding()
{
    const Noise noise(103);
    Filter rumble(Rate), air(Rate);
    Oscillator motor(Rate);
    return finished(render(Rate, 1.8f, [&](float t, std::size_t i) {
        const float moving = ramp(t / 0.15f) * ramp((1.4f - t) / 0.1f);
        const float n = noise.white(static_cast<std::uint32_t>(i));
        rumble.run(n, 180.0f, 1.0f);
        air.run(n, 900.0f + 500.0f * std::sin(3.14159f * t / 1.4f), 1.5f);
        const float glide = (2.5f * rumble.low() + 0.5f * air.band() + 0.15f * motor.saw(55.0f + 10.0f * t)) * moving;
        const float clunk = std::sin(Tau * 70.0f * (t - 1.4f)) * envelope(t - 1.4f, 0.003f, 0.08f);
        return glide + 1.2f * clunk;
    }));
}

// A computer waking up: a warm chord swelling note by note, then fading.
std::vector<float> startup()
{
    const float notes[5] = {311.1f, 392.0f, 466.2f, 622.3f, 784.0f};
    Oscillator osc[5] = {Oscillator(Rate), Oscillator(Rate), Oscillator(Rate), Oscillator(Rate), Oscillator(Rate)};
    return finished(render(Rate, 3.2f, [&](float t, std::size_t) {
        float sum = 0.0f;
        for (int k = 0; k < 5; ++k) {
            const float start = 0.22f * static_cast<float>(k);
            const float level = envelope(t - start, 0.25f, 1.4f);
            sum += level * (osc[k].triangle(notes[k] * (1.0f + 0.002f * std::sin(Tau * 4.0f * t))) * 0.7f +
                            0.3f * std::sin(Tau * 2.0f * notes[k] * t));
        }
        return sum;
    }), 0.8f);
}

// A radio being tuned: a whistle sweeping through static until it locks onto a clean tone.
std::vector<float> tuning()
{
    const Noise noise(107);
    Filter hiss(Rate);
    Oscillator whistle(Rate);
    return finished(render(Rate, 2.6f, [&](float t, std::size_t i) {
        const float lock = ramp((t - 1.5f) / 0.4f);
        hiss.run(noise.white(static_cast<std::uint32_t>(i)), 3000.0f, 0.8f);
        const float sweep = 400.0f + 1400.0f * std::abs(std::sin(2.1f * t)) * (1.0f - lock) + 1000.0f * lock;
        const float crackle = noise.white(static_cast<std::uint32_t>(i / 300 + 77)) > 0.7f ? 0.5f : 0.0f;
        return (0.6f * hiss.band() + crackle * hiss.high()) * (1.0f - lock) +
               whistle.sine(sweep) * (0.25f + 0.5f * lock) * envelope(2.6f - t, 0.15f, 10.0f);
    }));
}

// A pick-up: three quick rising square-wave blips.
std::vector<float> futureBeep()
{
    Oscillator osc(Rate);
    Filter soften(Rate);
    return finished(render(Rate, 0.55f, [&](float t, std::size_t) {
        const int blip = std::min(2, static_cast<int>(t / 0.12f));
        const float local = t - 0.12f * static_cast<float>(blip);
        const float pitch = 880.0f * std::pow(1.5f, static_cast<float>(blip)) * (1.0f + 0.3f * local);
        soften.run(osc.square(pitch), 4000.0f);
        return soften.low() * envelope(local, 0.004f, blip == 2 ? 0.15f : 0.05f);
    }));
}

// A shredder chewing paper: motor hum under bursts of tearing noise.
std::vector<float> shredder()
{
    const Noise noise(109);
    Filter tear(Rate);
    Oscillator motor(Rate);
    return finished(render(Rate, 1.6f, [&](float t, std::size_t i) {
        const float running = ramp(t / 0.08f) * ramp((1.6f - t) / 0.15f);
        tear.run(noise.white(static_cast<std::uint32_t>(i)), 2500.0f + 1500.0f * noise.smooth(t * 40.0f, 0.5f), 1.2f);
        const float bursts = 0.4f + 0.6f * noise.smooth(t * 28.0f, 3.5f);
        return running * (0.35f * motor.square(98.0f + 4.0f * std::sin(Tau * 6.0f * t), 0.3f) * 0.4f + tear.band() * bursts * 1.6f);
    }));
}

// A creature's last cry: a screech falling into a gurgle.
std::vector<float> creatureDeath()
{
    const Noise noise(113);
    Oscillator voice(Rate), wobble(Rate);
    Filter throat(Rate);
    return finished(render(Rate, 1.3f, [&](float t, std::size_t i) {
        const float pitch = 900.0f * std::exp(-t * 2.2f) + 90.0f;
        const float raw = voice.saw(pitch * (1.0f + 0.08f * wobble.sine(31.0f))) + 0.3f * noise.white(static_cast<std::uint32_t>(i));
        throat.run(raw, 2.5f * pitch + 300.0f, 3.0f);
        return throat.band() * envelope(t, 0.02f, 0.45f);
    }));
}

// The spider's endless hiss and chitter; the buffer holds a whole number of every cycle, so it loops clean.
std::vector<float> monsterCry()
{
    const Noise noise(127);
    Filter hiss(Rate), growl(Rate);
    Oscillator throat(Rate);
    const float seconds = 2.0f;
    const std::size_t length = static_cast<std::size_t>(seconds * Rate);
    std::vector<float> samples = render(Rate, seconds, [&](float t, std::size_t i) {
        const float n = noise.white(static_cast<std::uint32_t>(i));
        hiss.run(n, 5000.0f, 1.0f);
        growl.run(throat.saw(55.0f + 8.0f * std::sin(Tau * 1.5f * t)) + 0.5f * n, 400.0f, 2.5f);
        const float chitter = std::pow(std::max(0.0f, std::sin(Tau * 9.0f * t)), 8.0f) * (0.5f + 0.5f * std::sin(Tau * 0.5f * t));
        return 0.5f * hiss.band() * (0.6f + 0.4f * std::sin(Tau * 2.0f * t)) + 0.8f * growl.low() + 0.6f * chitter * hiss.high();
    });
    // Filters start cold: blend the tail over the head so the seam carries the same sound.
    const std::size_t blend = Rate / 10;
    for (std::size_t i = 0; i < blend; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(blend);
        samples[i] = samples[i] * g + samples[length - blend + i] * (1.0f - g);
    }
    samples.resize(length - blend);
    synth::normalize(samples, 0.8f);
    return samples;
}

// A laser shot: a fast falling zap.
std::vector<float> zap()
{
    Oscillator osc(Rate);
    return finished(render(Rate, 0.35f, [&](float t, std::size_t) {
        return osc.square(1800.0f * std::exp(-t * 9.0f) + 120.0f, 0.35f) * envelope(t, 0.002f, 0.09f);
    }));
}

// A snowflake cast from the hand: an icy whoosh with glassy sparkles.
std::vector<float> iceCast()
{
    const Noise noise(131);
    Filter wind(Rate);
    return finished(render(Rate, 0.7f, [&](float t, std::size_t i) {
        wind.run(noise.white(static_cast<std::uint32_t>(i)), 1200.0f + 5000.0f * t, 2.0f);
        const float sparkle = bell(t - 0.05f, 2637.0f, 0.12f) + bell(t - 0.16f, 3520.0f, 0.1f) + bell(t - 0.27f, 3136.0f, 0.1f);
        return wind.band() * envelope(t, 0.08f, 0.2f) + 0.25f * sparkle;
    }));
}

// A splash: a burst of water noise and a few bubbles rising in pitch.
std::vector<float> splash()
{
    const Noise noise(137);
    Filter water(Rate);
    return finished(render(Rate, 0.9f, [&](float t, std::size_t i) {
        water.run(noise.white(static_cast<std::uint32_t>(i)), 1500.0f + 1500.0f * std::exp(-t * 6.0f), 0.9f);
        float bubbles = 0.0f;
        for (int k = 0; k < 5; ++k) {
            const float start = 0.08f + 0.09f * static_cast<float>(k) + 0.03f * noise.lattice(k, 9);
            const float local = t - start;
            if (local > 0.0f)
                bubbles += std::sin(Tau * (500.0f + 300.0f * static_cast<float>(k)) * local * (1.0f + 6.0f * local)) * envelope(local, 0.002f, 0.04f);
        }
        return water.low() * envelope(t, 0.01f, 0.18f) * 2.0f + 0.35f * bubbles;
    }));
}

// Each effect under the file name the game plays it by.
struct Effect {
    const char* file;
    std::vector<float> (*make)();
};

const Effect Effects[] = {
    {"sound18.wav", questionChime},      {"Boing!.wav", boing},        {"magic.wav", magic},
    {"door_sliding.wav", doorSliding},   {"XPstartup.wav", startup},   {"tuning.wav", tuning},
    {"futurebeep3.wav", futureBeep},     {"paper-shredder-2.wav", shredder}, {"die1.wav", creatureDeath},
    {"monster.wav", monsterCry},         {"shoot1.wav", zap},          {"sound30.mp3", iceCast},
    {"water-splash-1.mp3", splash},
};

}  // namespace

std::vector<std::string> soundEffectFiles()
{
    std::vector<std::string> files;
    for (const Effect& effect : Effects)
        files.push_back(effect.file);
    return files;
}

void writeSounds(const OutputFolder& out)
{
    for (const Effect& effect : Effects)
        saveSound(out.path(std::string("Sound/") + effect.file), effect.make(), Rate);
}
