// A TrueType font opened through FreeType at one pixel size; the face and its library close together.
#pragma once

#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

class FreeTypeFace {
public:
    // Throws when FreeType cannot open the font file.
    FreeTypeFace(const std::string& fontFile, int pixelSize);
    ~FreeTypeFace();
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    FT_Face face() const { return _face; }

private:
    FT_Library _library = nullptr;
    FT_Face _face = nullptr;
};
