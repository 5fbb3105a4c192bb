// A picture being drawn: 32-bit ARGB pixels with anti-aliased shapes blended over what is there.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <irrlicht.h>

class Image {
public:
    using Color = irr::video::SColor;

    Image(int width, int height, Color fill = Color(0, 0, 0, 0));

    int width() const { return _width; }
    int height() const { return _height; }
    Color at(int x, int y) const { return Color(_pixels[index(x, y)]); }
    void set(int x, int y, Color color) { _pixels[index(x, y)] = color.color; }
    // Lays color over the pixel with the given coverage (0..1), as paint over paint; off-image is ignored.
    void blend(int x, int y, Color color, float coverage);
    // Sets every pixel to what paint answers for its centre.
    void paint(const std::function<Color(int x, int y)>& paint);

    void fillRect(int x0, int y0, int x1, int y1, Color color);  // [x0, x1) x [y0, y1)
    void fillCircle(float cx, float cy, float radius, Color color);
    // A stroke of the given width with round ends.
    void line(float x0, float y0, float x1, float y1, float width, Color color);
    // A filled convex or concave polygon (even-odd), edges anti-aliased by 4x4 sampling.
    void fillPolygon(const std::vector<irr::core::vector2df>& points, Color color);

    const std::vector<std::uint32_t>& pixels() const { return _pixels; }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * _width + x; }

    int _width;
    int _height;
    std::vector<std::uint32_t> _pixels;
};
