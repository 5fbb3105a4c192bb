// The game's icon: a satellite over a dish sending it a signal, on a night sky above the planet.
#include "generators/icon.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using Color = Image::Color;
using Point = irr::core::vector2df;

// The icon is drawn on a 256-unit square scaled to the size asked for, so every size is sharp.
class IconCanvas {
public:
    explicit IconCanvas(int size) : _image(size, size), _k(static_cast<float>(size) / 256.0f) {}

    Image& image() { return _image; }
    float scale() const { return _k; }

    void line(Point a, Point b, float width, Color color)
    {
        _image.line(a.X * _k, a.Y * _k, b.X * _k, b.Y * _k, std::max(width * _k, 1.0f), color);
    }
    void circle(Point c, float radius, Color color)
    {
        _image.fillCircle(c.X * _k, c.Y * _k, radius * _k, color);
    }
    void polygon(std::vector<Point> points, Color color)
    {
        for (Point& p : points)
            p *= _k;
        _image.fillPolygon(points, color);
    }
    // An arc of a circle, angles in radians.
    void arc(Point c, float radius, float from, float to, float width, Color color)
    {
        const int steps = 24;
        for (int i = 0; i < steps; ++i) {
            const float a = from + (to - from) * static_cast<float>(i) / steps;
            const float b = from + (to - from) * static_cast<float>(i + 1) / steps;
            line(c + Point(std::cos(a), std::sin(a)) * radius, c + Point(std::cos(b), std::sin(b)) * radius,
                 width, color);
        }
    }

private:
    Image _image;
    float _k;
};

// Distance outside a square of rounded corners (negative inside), in icon units.
float outsideRoundedSquare(float x, float y)
{
    const float half = 120.0f, corner = 44.0f;
    const float qx = std::max(std::abs(x - 128.0f) - (half - corner), 0.0f);
    const float qy = std::max(std::abs(y - 128.0f) - (half - corner), 0.0f);
    return std::hypot(qx, qy) - corner;
}

// Night sky, a few stars and the planet's curve, cut to the rounded square with a soft edge.
void paintBackground(IconCanvas& canvas)
{
    const float k = canvas.scale();
    const Point stars[] = {{52, 46}, {96, 30}, {40, 110}, {214, 150}, {130, 60}, {200, 206}};
    canvas.image().paint([&](int px, int py) {
        const float x = (static_cast<float>(px) + 0.5f) / k, y = (static_cast<float>(py) + 0.5f) / k;
        Color color = Image::mix(Color(255, 12, 22, 60), Color(255, 30, 70, 140), y / 256.0f);
        for (const Point& s : stars)
            color =
                Image::mix(color, Color(255, 255, 255, 230), 1.0f - std::hypot(x - s.X, y - s.Y) * k / 1.6f);
        const float planet = std::hypot(x - 20.0f, y - 470.0f) - 300.0f;
        if (planet < 0.0f)
            color = Image::mix(Color(255, 40, 150, 110), Color(255, 20, 90, 80), -planet / 60.0f);
        const float edge = std::clamp(0.5f - outsideRoundedSquare(x, y) * k, 0.0f, 1.0f);
        color.setAlpha(static_cast<irr::u32>(std::lround(edge * 255.0f)));
        return color;
    });
}

// The satellite: a gold body between two panels, tilted towards the dish.
void drawSatellite(IconCanvas& canvas)
{
    const Point centre(176, 78), along(0.8f, -0.6f), across(0.6f, 0.8f);
    auto at = [&](float u, float v) { return centre + along * u + across * v; };
    const Color panel(255, 60, 110, 220), grid(255, 150, 190, 255);
    for (float side : {-1.0f, 1.0f}) {
        const float near = side * 22.0f, far = side * 78.0f;
        canvas.line(at(side * 14.0f, 0), at(near, 0), 5.0f, Color(255, 200, 200, 210));
        canvas.polygon({at(near, -16), at(far, -16), at(far, 16), at(near, 16)}, panel);
        for (float u = 1.0f; u < 4.0f; u += 1.0f)
            canvas.line(at(near + (far - near) * u / 4.0f, -16), at(near + (far - near) * u / 4.0f, 16), 2.0f,
                        grid);
        canvas.line(at(near, 0), at(far, 0), 2.0f, grid);
    }
    canvas.polygon({at(-15, -19), at(15, -19), at(15, 19), at(-15, 19)}, Color(255, 235, 180, 60));
    canvas.polygon({at(-15, -19), at(15, -19), at(15, -8), at(-15, -8)}, Color(255, 255, 225, 130));
    canvas.line(at(0, 19), at(0, 34), 4.0f, Color(255, 220, 220, 230));
    canvas.circle(at(0, 36), 5.0f, Color(255, 240, 240, 250));
}

// The dish on the planet, its feed arm, and the signal rings rising towards the satellite.
void drawDishAndSignal(IconCanvas& canvas)
{
    const Point focus(84, 168);
    const float facing = std::atan2(78.0f - 168.0f, 176.0f - 84.0f);
    const Point axis(std::cos(facing), std::sin(facing)), side(-axis.Y, axis.X);
    const Color signal(255, 120, 235, 255);
    for (int ring = 0; ring < 3; ++ring)
        canvas.arc(focus, 30.0f + 18.0f * static_cast<float>(ring), facing - 0.5f, facing + 0.5f, 6.0f,
                   Image::mix(signal, Color(120, 120, 235, 255), static_cast<float>(ring) / 3.0f));
    canvas.polygon({{70, 214}, {98, 214}, {88, 186}, {80, 186}}, Color(255, 170, 175, 185));
    std::vector<Point> bowl;
    const Point rim = focus - axis * 26.0f;
    for (int i = 0; i <= 16; ++i) {
        const float t = static_cast<float>(i) / 8.0f - 1.0f;
        bowl.push_back(rim + side * (t * 34.0f) - axis * (14.0f * (1.0f - t * t)));
    }
    canvas.polygon(bowl, Color(255, 235, 238, 245));
    canvas.line(rim + side * 30.0f, focus, 3.0f, Color(255, 200, 205, 215));
    canvas.line(rim - side * 30.0f, focus, 3.0f, Color(255, 200, 205, 215));
    canvas.circle(focus, 5.0f, Color(255, 255, 120, 60));
}

Image icon(int size)
{
    IconCanvas canvas(size);
    paintBackground(canvas);
    drawDishAndSignal(canvas);
    drawSatellite(canvas);
    return canvas.image();
}

}

void writeIcon(const OutputFolder& out, const ImageFiles& images)
{
    for (int size : {32, 48, 64, 128, 256})
        images.save(icon(size), out.path("icons/satlink-" + std::to_string(size) + ".png"));
}
