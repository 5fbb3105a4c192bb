// Writes a small 3D Studio level for tests: a square floor at y = 0 and one wall standing on it.
#pragma once

#include <string>

// The floor spans x and z from -10 to 10 (before the level's x17 scale); the wall stands at z = 5.
void writeTiny3DS(const std::string& path);
