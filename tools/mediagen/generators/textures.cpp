// The world's textures: sky, picture, answer signs.
#include "generators/textures.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"

namespace {

using Color = Image::Color;
using irr::core::vector2df;
const float Pi = irr::core::PI;

// The sky dome maps the image's height onto 135 degrees from the zenith (a sphere percentage of 1.5),
// so the horizon lies two thirds of the way down.
Color skyColor(float elevation, const irr::core::vector3df& dir, const Noise& noise)
{
    const Color zenith(255, 38, 92, 178), horizon(255, 178, 208, 232), haze(255, 150, 165, 178);
    if (elevation < 0.0f)
        return Image::mix(horizon, haze, Image::smoothstep(0.0f, 0.15f, -elevation));
    Color sky = Image::mix(horizon, zenith, std::pow(elevation / (Pi / 2), 0.6f));
    // Clouds float on a flat layer: project the view direction onto it, so they shrink towards the horizon.
    const float px = dir.X / dir.Y * 1.6f, pz = dir.Z / dir.Y * 1.6f;
    const float density = noise.fractal(px + 40.0f, pz + 40.0f, 6);
    const float cover = Image::smoothstep(0.48f, 0.72f, density) * Image::smoothstep(0.03f, 0.25f, elevation);
    const Color cloud = Image::mix(Color(255, 250, 250, 252), Color(255, 188, 194, 206),
                                   Image::smoothstep(0.6f, 0.9f, density));
    return Image::mix(sky, cloud, cover);
}

Image sky()
{
    Image image(1024, 512);
    const Noise noise(11);
    const irr::core::vector3df sun = irr::core::vector3df(0.6f, 0.55f, 0.58f).normalize();
    image.paint([&](int x, int y) {
        const float azimuth = 2.0f * Pi * (static_cast<float>(x) + 0.5f) / 1024.0f;
        const float polar = 0.75f * Pi * (static_cast<float>(y) + 0.5f) / 512.0f;
        const irr::core::vector3df dir(std::sin(polar) * std::cos(azimuth), std::cos(polar),
                                       std::sin(polar) * std::sin(azimuth));
        const Color base = skyColor(Pi / 2 - polar, dir, noise);
        const float glow = std::pow(std::max(0.0f, dir.dotProduct(sun)), 600.0f) +
                           0.25f * std::pow(std::max(0.0f, dir.dotProduct(sun)), 12.0f);
        return Image::mix(base, Color(255, 255, 250, 225), std::min(glow, 1.0f));
    });
    return image;
}

void drawStars(Image& image, int count, float maxY)
{
    const Noise noise(5);
    for (int i = 0; i < count; ++i) {
        const float x = noise.lattice(i, 1) * static_cast<float>(image.width());
        const float y = noise.lattice(i, 2) * maxY;
        image.fillCircle(x, y, 0.6f + 1.1f * noise.lattice(i, 3), Color(255, 255, 255, 230));
    }
}

void drawSatellite(Image& image, float cx, float cy)
{
    for (float side : {-1.0f, 1.0f}) {
        const float x0 = cx + side * 22.0f, x1 = cx + side * 110.0f;
        image.fillRect(static_cast<int>(std::min(x0, x1)), static_cast<int>(cy - 16), static_cast<int>(std::max(x0, x1)),
                       static_cast<int>(cy + 16), Color(255, 40, 70, 160));
        for (int k = 1; k < 5; ++k)
            image.line(x0 + (x1 - x0) * k / 5.0f, cy - 16, x0 + (x1 - x0) * k / 5.0f, cy + 16, 1.5f, Color(255, 150, 170, 220));
        image.line(x0, cy, x1, cy, 1.5f, Color(255, 150, 170, 220));
    }
    image.fillRect(static_cast<int>(cx - 22), static_cast<int>(cy - 24), static_cast<int>(cx + 22), static_cast<int>(cy + 24),
                   Color(255, 214, 176, 60));
    image.line(cx, cy + 24, cx, cy + 40, 3.0f, Color(255, 200, 200, 200));
    image.fillCircle(cx, cy + 42, 6.0f, Color(255, 230, 230, 230));
}

// A parabolic dish on a mast, its opening turned towards the target; returns its focus.
vector2df drawDish(Image& image, vector2df foot, vector2df target)
{
    const Color white(255, 235, 238, 242), grey(255, 150, 155, 160);
    const vector2df centre(foot.X + 4, foot.Y - 62);
    image.line(foot.X, foot.Y, centre.X, centre.Y, 9.0f, grey);
    const vector2df axis = (target - centre).normalize();
    const vector2df across(-axis.Y, axis.X);
    const float radius = 50.0f, focal = 28.0f;
    std::vector<vector2df> bowl;
    for (int i = 0; i <= 24; ++i) {
        const float s = radius * (static_cast<float>(i) / 12.0f - 1.0f);
        bowl.push_back(centre + across * s + axis * (s * s / (4.0f * focal)));
    }
    image.fillPolygon(bowl, white);
    const vector2df focus = centre + axis * focal;
    image.line(bowl.front().X, bowl.front().Y, focus.X, focus.Y, 2.5f, grey);
    image.line(bowl.back().X, bowl.back().Y, focus.X, focus.Y, 2.5f, grey);
    image.fillCircle(focus.X, focus.Y, 5.0f, Color(255, 255, 90, 60));
    return focus;
}

// Wave fronts running from the dish's focus towards the satellite.
void drawSignal(Image& image, vector2df from, vector2df to)
{
    const vector2df axis = to - from;
    const float heading = std::atan2(axis.Y, axis.X), distance = axis.getLength();
    for (int k = 1; k <= 6; ++k) {
        const float r = distance * static_cast<float>(k) / 7.0f;
        const float spread = 0.08f + 6.0f / r;
        for (int i = 0; i < 12; ++i) {
            const float a0 = heading - spread + 2.0f * spread * static_cast<float>(i) / 12.0f;
            const float a1 = heading - spread + 2.0f * spread * static_cast<float>(i + 1) / 12.0f;
            image.line(from.X + r * std::cos(a0), from.Y + r * std::sin(a0), from.X + r * std::cos(a1),
                       from.Y + r * std::sin(a1), 3.0f, Color(220, 255, 214, 80));
        }
    }
}

// The picture on the lobby wall: a ground station talking to a satellite under the night sky.
Image quadro()
{
    Image image(880, 200);
    image.paint([](int, int y) {
        return Image::mix(Color(255, 8, 12, 40), Color(255, 70, 50, 110), static_cast<float>(y) / 200.0f);
    });
    drawStars(image, 140, 150.0f);
    const Noise noise(9);
    std::vector<vector2df> hills{{0, 200}};
    for (int x = 0; x <= 880; x += 10)
        hills.emplace_back(static_cast<float>(x), 158.0f + 26.0f * noise.fractal(static_cast<float>(x) / 120.0f, 0.5f, 3));
    hills.emplace_back(880.0f, 200.0f);
    image.fillPolygon(hills, Color(255, 16, 42, 30));
    image.fillCircle(90, 52, 26, Color(255, 238, 236, 214));
    image.fillCircle(101, 46, 24, Color(255, 14, 20, 52));
    const vector2df satellite(330, 60);
    drawSatellite(image, satellite.X, satellite.Y);
    drawSignal(image, drawDish(image, {720, 178}, satellite), satellite + vector2df(0, 30));
    return image;
}

// A round badge with a white mark on it, on a transparent ground.
Image answerSign(bool right)
{
    Image image(256, 256);
    const Color rim = right ? Color(255, 20, 110, 40) : Color(255, 140, 20, 20);
    const Color face = right ? Color(255, 40, 180, 70) : Color(255, 220, 40, 40);
    const Color mark(255, 255, 255, 255);
    image.fillCircle(131, 133, 116, Color(90, 0, 0, 0));
    image.fillCircle(128, 128, 116, rim);
    image.fillCircle(128, 128, 104, face);
    if (right) {
        image.line(72, 134, 112, 176, 30.0f, mark);
        image.line(112, 176, 188, 86, 30.0f, mark);
    } else {
        image.line(84, 84, 172, 172, 30.0f, mark);
        image.line(172, 84, 84, 172, 30.0f, mark);
    }
    return image;
}

}  // namespace

void writeTextures(const OutputFolder& out, const ImageFiles& images)
{
    images.save(sky(), out.path("skydome2.jpg"));
    images.save(quadro(), out.path("quadro.JPG"));
    images.save(answerSign(true), out.path("oksign.png"));
    images.save(answerSign(false), out.path("badsign.png"));
}
