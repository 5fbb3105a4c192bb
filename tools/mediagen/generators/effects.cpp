// Glowing textures for additive blending: projectiles, portals, waypoint marks.
#include "generators/effects.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "Noise.h"

namespace {

using Color = Image::Color;
const float Pi = irr::core::PI;
const Color Black(255, 0, 0, 0);

Color scaled(Color c, float k)
{
    return Image::mix(Black, c, k);
}

// A six-armed ice crystal with branches, over a soft blue halo.
Image snowflake()
{
    Image image(128, 128, Black);
    image.paint([](int x, int y) {
        const float r = std::hypot(static_cast<float>(x) - 63.5f, static_cast<float>(y) - 63.5f) / 64.0f;
        return scaled(Color(255, 90, 140, 255), std::exp(-r * r * 6.0f) * 0.8f);
    });
    const Color ice(255, 225, 240, 255);
    for (int arm = 0; arm < 6; ++arm) {
        const float a = Pi / 3.0f * static_cast<float>(arm) + Pi / 6.0f;
        const float dx = std::cos(a), dy = std::sin(a);
        image.line(64, 64, 64 + 56 * dx, 64 + 56 * dy, 5.0f, ice);
        for (float at : {0.4f, 0.68f}) {
            const float bx = 64 + 56 * at * dx, by = 64 + 56 * at * dy, len = at < 0.5f ? 18.0f : 12.0f;
            for (float turn : {-Pi / 4.0f, Pi / 4.0f})
                image.line(bx, by, bx + len * std::cos(a + turn), by + len * std::sin(a + turn), 3.5f, ice);
        }
    }
    image.fillCircle(64, 64, 8, Color(255, 255, 255, 255));
    return image;
}

// A round glow fading from a white-hot centre into the colour.
Image glow(int size, Color color, float sharpness)
{
    Image image(size, size, Black);
    const float half = static_cast<float>(size) / 2.0f;
    image.paint([&](int x, int y) {
        const float r = std::hypot(static_cast<float>(x) + 0.5f - half, static_cast<float>(y) + 0.5f - half) / half;
        const float core = std::exp(-r * r * sharpness * 4.0f);
        return Image::mix(scaled(color, std::exp(-r * r * sharpness)), Color(255, 255, 255, 240), core);
    });
    return image;
}

// One of seven frames of a swirling vortex; frame 7 leads smoothly back into frame 1.
Image portalFrame(int frame)
{
    Image image(128, 128, Black);
    const Noise noise(3);
    const float phase = 2.0f * Pi * static_cast<float>(frame) / 7.0f;
    image.paint([&](int x, int y) {
        const float dx = static_cast<float>(x) + 0.5f - 64.0f, dy = static_cast<float>(y) + 0.5f - 64.0f;
        const float r = std::hypot(dx, dy) / 64.0f, a = std::atan2(dy, dx);
        const float swirl = 0.5f + 0.5f * std::sin(3.0f * a + 9.0f * r - phase);
        const float rim = Image::smoothstep(1.0f, 0.75f, r) * (0.35f + 0.65f * Image::smoothstep(0.0f, 0.6f, r));
        const float grain = 0.75f + 0.5f * noise.smooth(dx / 6.0f, dy / 6.0f);
        const Color colour = Image::mix(Color(255, 70, 20, 160), Color(255, 120, 200, 255), swirl);
        return Image::mix(scaled(colour, swirl * rim * grain), Color(255, 230, 220, 255),
                          std::exp(-r * r * 30.0f) * 0.9f);
    });
    return image;
}

// A bright ring with a dot in the middle: how the editor marks a waypoint or a selection.
Image marker(Color color, bool ring)
{
    Image image(64, 64, Black);
    if (ring) {
        image.fillCircle(32, 32, 28, color);
        image.fillCircle(32, 32, 20, Black);
    }
    image.fillCircle(32, 32, ring ? 10.0f : 22.0f, scaled(color, 0.6f));
    image.fillCircle(32, 32, ring ? 5.0f : 12.0f, Image::mix(color, Color(255, 255, 255, 255), 0.6f));
    return image;
}

// Stretched over a thin box: bright in the middle of every face, dimmer at its edges.
Image beam(Color color)
{
    Image image(32, 32, Black);
    image.paint([&](int x, int y) {
        const float ex = std::abs(static_cast<float>(x) - 15.5f) / 16.0f, ey = std::abs(static_cast<float>(y) - 15.5f) / 16.0f;
        const float core = (1.0f - ex * ex) * (1.0f - ey * ey);
        return Image::mix(scaled(color, 0.4f + 0.6f * core), Color(255, 255, 255, 255), core * core * 0.5f);
    });
    return image;
}

}  // namespace

void writeEffects(const OutputFolder& out, const ImageFiles& images)
{
    const Image flake = snowflake();
    images.save(flake, out.path("snowflake.bmp"));
    images.save(flake, out.path("snowflake.jpg"));
    images.save(glow(64, Color(255, 255, 120, 20), 3.0f), out.path("stdBullet.bmp"));
    for (int k = 1; k <= 7; ++k)
        images.save(portalFrame(k - 1), out.path("portal" + std::to_string(k) + ".bmp"));
    images.save(marker(Color(255, 40, 200, 255), false), out.path("WayPoint.bmp"));
    images.save(marker(Color(255, 40, 255, 60), true), out.path("selected1.bmp"));
    images.save(marker(Color(255, 255, 170, 20), true), out.path("selected2.bmp"));
    images.save(beam(Color(255, 30, 160, 255)), out.path("line1.bmp"));
    images.save(beam(Color(255, 255, 60, 40)), out.path("line2.bmp"));
}
