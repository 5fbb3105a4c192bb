// Turning the game's Latin-1 (Windows-1252) texts into the wide texts the GUI shows.
#pragma once

// Converts into one static buffer of 512 wide characters, which the next call overwrites;
// a longer text is cut to 511 characters.
const wchar_t* conv(const char* text);
