// Drawing into 32-bit ARGB pictures.
#include "Image.h"

#include <algorithm>
#include <cmath>

Image::Image(int width, int height, Color fill)
    : _width(width), _height(height), _pixels(static_cast<std::size_t>(width) * height, fill.color)
{
}

Image::Color Image::mix(Color a, Color b, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    auto channel = [t](irr::u32 x, irr::u32 y) {
        return static_cast<irr::u32>(std::lround(static_cast<float>(x) + (static_cast<float>(y) - static_cast<float>(x)) * t));
    };
    return Color(channel(a.getAlpha(), b.getAlpha()), channel(a.getRed(), b.getRed()),
                 channel(a.getGreen(), b.getGreen()), channel(a.getBlue(), b.getBlue()));
}

float Image::smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

void Image::blend(int x, int y, Color color, float coverage)
{
    if (x < 0 || y < 0 || x >= _width || y >= _height || coverage <= 0.0f)
        return;
    const float a = std::min(coverage, 1.0f) * static_cast<float>(color.getAlpha()) / 255.0f;
    const Color under = at(x, y);
    const float ua = static_cast<float>(under.getAlpha()) / 255.0f;
    const float outA = a + ua * (1.0f - a);
    if (outA <= 0.0f)
        return;
    auto channel = [&](irr::u32 top, irr::u32 bottom) {
        const float v = (static_cast<float>(top) * a + static_cast<float>(bottom) * ua * (1.0f - a)) / outA;
        return static_cast<irr::u32>(std::lround(std::clamp(v, 0.0f, 255.0f)));
    };
    set(x, y, Color(static_cast<irr::u32>(std::lround(outA * 255.0f)), channel(color.getRed(), under.getRed()),
                    channel(color.getGreen(), under.getGreen()), channel(color.getBlue(), under.getBlue())));
}

void Image::paint(const std::function<Color(int x, int y)>& paint)
{
    for (int y = 0; y < _height; ++y)
        for (int x = 0; x < _width; ++x)
            set(x, y, paint(x, y));
}

void Image::fillRect(int x0, int y0, int x1, int y1, Color color)
{
    for (int y = std::max(y0, 0); y < std::min(y1, _height); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, _width); ++x)
            blend(x, y, color, 1.0f);
}

void Image::fillCircle(float cx, float cy, float radius, Color color)
{
    for (int y = static_cast<int>(cy - radius - 1); y <= static_cast<int>(cy + radius + 1); ++y)
        for (int x = static_cast<int>(cx - radius - 1); x <= static_cast<int>(cx + radius + 1); ++x) {
            const float d = std::hypot(static_cast<float>(x) + 0.5f - cx, static_cast<float>(y) + 0.5f - cy);
            blend(x, y, color, std::clamp(radius - d + 0.5f, 0.0f, 1.0f));
        }
}

void Image::line(float x0, float y0, float x1, float y1, float width, Color color)
{
    const float half = width / 2.0f;
    const float dx = x1 - x0, dy = y1 - y0;
    const float length2 = std::max(dx * dx + dy * dy, 1e-6f);
    const int minX = static_cast<int>(std::min(x0, x1) - half - 1), maxX = static_cast<int>(std::max(x0, x1) + half + 1);
    const int minY = static_cast<int>(std::min(y0, y1) - half - 1), maxY = static_cast<int>(std::max(y0, y1) + half + 1);
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x) {
            const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
            const float t = std::clamp(((px - x0) * dx + (py - y0) * dy) / length2, 0.0f, 1.0f);
            const float d = std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
            blend(x, y, color, std::clamp(half - d + 0.5f, 0.0f, 1.0f));
        }
}

namespace {

bool insidePolygon(const std::vector<irr::core::vector2df>& points, float x, float y)
{
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const auto& a = points[i];
        const auto& b = points[j];
        if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X)
            inside = !inside;
    }
    return inside;
}

}  // namespace

void Image::fillPolygon(const std::vector<irr::core::vector2df>& points, Color color)
{
    if (points.size() < 3)
        return;
    float minX = points[0].X, maxX = minX, minY = points[0].Y, maxY = minY;
    for (const auto& p : points) {
        minX = std::min(minX, p.X), maxX = std::max(maxX, p.X);
        minY = std::min(minY, p.Y), maxY = std::max(maxY, p.Y);
    }
    for (int y = static_cast<int>(minY) - 1; y <= static_cast<int>(maxY) + 1; ++y)
        for (int x = static_cast<int>(minX) - 1; x <= static_cast<int>(maxX) + 1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    hits += insidePolygon(points, static_cast<float>(x) + (sx + 0.5f) / 4.0f,
                                          static_cast<float>(y) + (sy + 0.5f) / 4.0f);
            blend(x, y, color, static_cast<float>(hits) / 16.0f);
        }
}
