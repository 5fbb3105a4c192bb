// Writes short labels onto an image with a TrueType font (the plan's names, the doors' letters).
#pragma once

#include <memory>
#include <string>

#include "Image.h"

class FreeTypeFace;

class Lettering {
public:
    // Throws when FreeType cannot open the font.
    Lettering(const std::string& fontFile, int pixelSize);
    ~Lettering();

    // Draws Latin-1 text with its top-left corner at (x, y).
    void draw(Image& image, int x, int y, const std::string& text, Image::Color color) const;
    int width(const std::string& text) const;
    int height() const { return _pixelSize; }

private:
    std::unique_ptr<FreeTypeFace> _face;
    int _pixelSize;
};

// DejaVu Sans, from Debian's fonts-dejavu-core.
extern const char* const PlanFontFile;
