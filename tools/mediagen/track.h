// Key-frame helper shared by the animated figures.
#pragma once

#include <initializer_list>
#include <utility>

// A value that moves smoothly through (time, value) points as t runs from the first time to the last.
float track(float t, std::initializer_list<std::pair<float, float>> points);
