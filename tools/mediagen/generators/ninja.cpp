// The animated ninja model and its skin.
#include "generators/ninja.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "formats/WriterB3D.h"
#include "track.h"

using irr::core::vector3df;
using Color = Image::Color;
using Pose = Humanoid::Pose;

namespace {

const float Tau = 2.0f * irr::core::PI;

// Swinging a limb forward (towards +Z) is a negative turn about X.
vector3df ahead(float degrees, float outward = 0.0f, float twist = 0.0f)
{
    return {-degrees, twist, outward};
}

// The sword held before the body, point up; the free arm bent at the side.
Pose guard()
{
    Pose pose;
    pose.rotation[Humanoid::ShoulderR] = ahead(20, 8);
    pose.rotation[Humanoid::ElbowR] = ahead(35);
    pose.rotation[Humanoid::ShoulderL] = ahead(10, -12);
    pose.rotation[Humanoid::ElbowL] = ahead(35);
    return pose;
}

Pose attackPose(float t)
{
    Pose pose = guard();
    pose.rotation[Humanoid::ShoulderR] = ahead(track(t, {{0, 20}, {0.4f, 150}, {0.62f, 55}, {1, 20}}), 8);
    pose.rotation[Humanoid::ElbowR] = ahead(track(t, {{0, 35}, {0.4f, 10}, {0.62f, 5}, {1, 35}}));
    pose.rotation[Humanoid::WristR] = ahead(track(t, {{0, 0}, {0.4f, -40}, {0.62f, 10}, {1, 0}}));
    pose.rotation[Humanoid::ShoulderL] = ahead(track(t, {{0, 10}, {0.4f, 140}, {0.62f, 40}, {1, 10}}), 20);
    pose.rotation[Humanoid::Chest] = {track(t, {{0, 0}, {0.4f, 12}, {0.62f, -22}, {1, 0}}),
                                      track(t, {{0, 0}, {0.4f, -15}, {0.62f, 12}, {1, 0}}), 0};
    pose.rotation[Humanoid::ThighL] = ahead(28);
    pose.rotation[Humanoid::KneeL] = ahead(-30);
    pose.rotation[Humanoid::ThighR] = ahead(-22);
    pose.rotation[Humanoid::KneeR] = ahead(-12);
    pose.rootShift = {0, -0.6f, 0};
    return pose;
}

// Knocked off his feet: he topples backwards and ends on his back, arms flung out.
Pose diePose(float t)
{
    Pose pose = guard();
    const float fall = t * t;
    const float buckle = std::sin(irr::core::PI * t);
    pose.rotation[Humanoid::Root] = ahead(88.0f * fall);
    pose.rootShift = {0, 1.05f * fall, 0};
    pose.rotation[Humanoid::ThighL] = ahead(35 * buckle);
    pose.rotation[Humanoid::ThighR] = ahead(20 * buckle);
    pose.rotation[Humanoid::KneeL] = ahead(-55 * buckle);
    pose.rotation[Humanoid::KneeR] = ahead(-40 * buckle);
    pose.rotation[Humanoid::ShoulderL] = ahead(10 * (1 - t), -75 * t);
    pose.rotation[Humanoid::ShoulderR] = ahead(20 * (1 - t), 80 * t);
    pose.rotation[Humanoid::ElbowL] = ahead(35 * (1 - t));
    pose.rotation[Humanoid::ElbowR] = ahead(35 * (1 - t));
    pose.rotation[Humanoid::WristR] = {0, 90 * t, 0};  // the sword ends flat on the floor, pointing away
    pose.rotation[Humanoid::Head] = ahead(-25 * t);
    return pose;
}

std::vector<std::pair<int, Pose>> ninjaKeys()
{
    std::vector<std::pair<int, Pose>> keys;
    for (int f = 0; f <= 13; ++f)
        keys.emplace_back(f, walkPose(static_cast<float>(f) / 13.0f));
    for (int f = 134; f <= 145; ++f)
        keys.emplace_back(f, attackPose(static_cast<float>(f - 134) / 11.0f));
    for (int f = 166; f <= 172; ++f)
        keys.emplace_back(f, diePose(static_cast<float>(f - 166) / 6.0f));
    // One key past 250 keeps the engine from clamping the standing loop short.
    for (int f = 206; f <= 251; ++f)
        keys.emplace_back(f, standPose(static_cast<float>(f - 206) / 44.0f));
    return keys;
}

Color cloth(const Noise& noise, float u, float v, Color base)
{
    const float weave = noise.smooth(u * 64.0f, v * 64.0f) - 0.5f;
    const float fold = noise.fractal(u * 3.0f, v * 9.0f, 3) - 0.5f;
    const int shade = static_cast<int>(weave * 10.0f + fold * 26.0f);
    auto channel = [shade](irr::u32 c) { return static_cast<irr::u32>(std::clamp(static_cast<int>(c) + shade, 0, 255)); };
    return Color(255, channel(base.getRed()), channel(base.getGreen()), channel(base.getBlue()));
}

// The hood, wrapped round the head with the front at u = 0.5: black but for the slit that shows the eyes.
Color hood(const Noise& noise, float u, float v)
{
    const Color black = cloth(noise, u, v, Color(255, 30, 30, 36));
    const float slit = Image::smoothstep(0.12f, 0.1f, std::abs(u - 0.5f)) * Image::smoothstep(0.055f, 0.04f, std::abs(v - 0.45f));
    if (slit <= 0.0f)
        return black;
    Color face = Color(255, 206, 160, 122);
    for (float eye : {0.455f, 0.545f}) {
        const float d = std::hypot((u - eye) / 0.028f, (v - 0.452f) / 0.016f);
        if (d < 1.0f)
            face = d < 0.5f ? Color(255, 30, 20, 15) : Color(255, 240, 236, 230);
    }
    return Image::mix(black, face, slit);
}

Image ninjaSkin()
{
    Image skin(256, 256);
    const Noise noise(7);
    Humanoid::paintCell(skin, Humanoid::Suit, [&](float u, float v) { return cloth(noise, u, v, Color(255, 34, 34, 40)); });
    Humanoid::paintCell(skin, Humanoid::HeadSkin, [&](float u, float v) { return hood(noise, u, v); });
    Humanoid::paintCell(skin, Humanoid::Sash, [&](float u, float v) {
        return cloth(noise, u, v, std::fmod(v * 6.0f, 1.0f) < 0.15f ? Color(255, 70, 10, 14) : Color(255, 120, 20, 24));
    });
    Humanoid::paintCell(skin, Humanoid::Glove, [&](float u, float v) { return cloth(noise, u, v, Color(255, 22, 22, 24)); });
    Humanoid::paintCell(skin, Humanoid::Boot, [&](float u, float v) { return cloth(noise, u, v, Color(255, 48, 48, 54)); });
    Humanoid::paintCell(skin, Humanoid::Blade, [](float u, float) {
        return Image::mix(Color(255, 176, 184, 196), Color(255, 245, 248, 252), Image::smoothstep(0.2f, 0.8f, u));
    });
    Humanoid::paintCell(skin, Humanoid::Grip, [](float u, float v) {
        const float diamond = std::abs(std::fmod(u * 4.0f + v * 4.0f, 1.0f) - 0.5f) + std::abs(std::fmod(u * 4.0f - v * 4.0f + 8.0f, 1.0f) - 0.5f);
        return diamond < 0.35f ? Color(255, 140, 24, 24) : Color(255, 22, 20, 20);
    });
    Humanoid::paintCell(skin, Humanoid::Guard, [&](float u, float v) { return cloth(noise, u, v, Color(255, 186, 150, 60)); });
    Humanoid::paintCell(skin, Humanoid::Band, [&](float u, float v) { return cloth(noise, u, v, Color(255, 170, 24, 28)); });
    return skin;
}

}  // namespace

Pose walkPose(float phase)
{
    const float s = std::sin(Tau * phase), c = std::cos(Tau * phase);
    Pose pose = guard();
    pose.rotation[Humanoid::ThighL] = ahead(30 * s);
    pose.rotation[Humanoid::ThighR] = ahead(-30 * s);
    pose.rotation[Humanoid::KneeL] = ahead(-10 - 40 * std::max(0.0f, c));
    pose.rotation[Humanoid::KneeR] = ahead(-10 - 40 * std::max(0.0f, -c));
    pose.rotation[Humanoid::ShoulderL] = ahead(-28 * s, -8);
    pose.rotation[Humanoid::ShoulderR] = ahead(20 + 8 * s, 8);
    pose.rotation[Humanoid::Chest] = {6, -8 * s, 0};
    pose.rotation[Humanoid::Hips] = {0, 6 * s, 0};
    pose.rootShift = {0, -0.35f + 0.3f * std::abs(c), 0};
    return pose;
}

Pose standPose(float phase)
{
    const float breath = std::sin(Tau * phase);
    Pose pose = guard();
    pose.rotation[Humanoid::Chest] = {2 * breath, 0, 0};
    pose.rotation[Humanoid::Head] = {0, 12 * std::sin(Tau * phase), 0};
    pose.rotation[Humanoid::ThighL] = ahead(8, -3);
    pose.rotation[Humanoid::ThighR] = ahead(-6, 3);
    pose.rotation[Humanoid::KneeL] = ahead(-6);
    pose.rootShift = {0, -0.1f + 0.05f * breath, 0};
    return pose;
}

void writeNinja(const OutputFolder& out, const ImageFiles& images)
{
    const Humanoid body(true);
    writeB3D(body.skinned("nskinbl.jpg", ninjaKeys()), out.path("ninja.b3d"));
    images.save(ninjaSkin(), out.path("nskinbl.jpg"));
}
