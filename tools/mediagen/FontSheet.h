// Renders a TrueType font through FreeType into the engine's bitmap-font image: one glyph per character
// from 32 on, each boxed by an upper-left and a lower-right marker pixel, rows one under the other.
#pragma once

#include <string>

#include "Image.h"

struct FontStyle {
    std::string fontFile;
    int pixelSize = 13;
    int lastChar = 255;  // the first is always 32, the space
    Image::Color ink = Image::Color(255, 255, 255, 255);
    int outline = 0;  // pixels of outline around every stroke
    Image::Color outlineColor = Image::Color(255, 0, 0, 0);
    // Transparent for PNG; a 24-bit BMP has no alpha, so it wants an opaque colour the ink never reaches.
    Image::Color background = Image::Color(0, 0, 0, 0);
    int sheetWidth = 512;
};

class FontSheet {
public:
    static const Image::Color UpperLeftMarker;
    static const Image::Color LowerRightMarker;

    // Throws when FreeType cannot open the font file.
    static Image render(const FontStyle& style);
};
