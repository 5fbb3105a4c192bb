// Short TrueType labels drawn onto images.
#include "level/Lettering.h"

#include "FreeTypeFace.h"

const char* const PlanFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

Lettering::Lettering(const std::string& fontFile, int pixelSize)
    : _face(std::make_unique<FreeTypeFace>(fontFile, pixelSize)), _pixelSize(pixelSize)
{
}

Lettering::~Lettering() = default;

int Lettering::width(const std::string& text) const
{
    int w = 0;
    for (unsigned char c : text)
        if (FT_Load_Char(_face->face(), c, FT_LOAD_DEFAULT) == 0)
            w += static_cast<int>(_face->face()->glyph->advance.x >> 6);
    return w;
}

void Lettering::draw(Image& image, int x, int y, const std::string& text, Image::Color color) const
{
    const int baseline = y + static_cast<int>(_face->face()->size->metrics.ascender >> 6);
    int pen = x;
    for (unsigned char c : text) {
        if (FT_Load_Char(_face->face(), c, FT_LOAD_RENDER) != 0)
            continue;
        const FT_GlyphSlot g = _face->face()->glyph;
        for (unsigned row = 0; row < g->bitmap.rows; ++row)
            for (unsigned col = 0; col < g->bitmap.width; ++col) {
                const unsigned char cover = g->bitmap.buffer[row * g->bitmap.pitch + col];
                image.blend(pen + g->bitmap_left + static_cast<int>(col),
                            baseline - g->bitmap_top + static_cast<int>(row), color, cover / 255.0f);
            }
        pen += static_cast<int>(g->advance.x >> 6);
    }
}
