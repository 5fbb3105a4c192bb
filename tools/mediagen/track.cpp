#include "track.h"

#include "Image.h"

float track(float t, std::initializer_list<std::pair<float, float>> points)
{
    const std::pair<float, float>* previous = points.begin();
    for (const auto& point : points) {
        if (t <= point.first) {
            if (&point == previous)
                return point.second;
            const float s = Image::smoothstep(previous->first, point.first, t);
            return previous->second + (point.second - previous->second) * s;
        }
        previous = &point;
    }
    return previous->second;
}
