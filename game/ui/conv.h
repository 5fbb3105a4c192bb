// Turning the game's Latin-1 (Windows-1252) texts into the wide texts the GUI shows.
#pragma once

#include <cstddef>
#include <string>

// The longest text a window shows; a longer one is cut.
constexpr size_t maxConvLength = 511;

std::wstring conv(const char* text);
