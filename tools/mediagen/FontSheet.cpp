// TrueType glyphs rendered into the engine's bitmap-font image.
#include "FontSheet.h"

#include <algorithm>
#include <vector>

#include "FreeTypeFace.h"

const Image::Color FontSheet::UpperLeftMarker(255, 255, 255, 0);
const Image::Color FontSheet::LowerRightMarker(255, 255, 0, 0);

namespace {

// The coverage of one character, with room for its outline, placed against its pen position.
struct Glyph {
    int advance = 0;
    int left = 0;  // column of coverage[0] relative to the pen
    int top = 0;   // rows above the baseline of coverage row 0
    int width = 0, height = 0;
    std::vector<float> coverage;

    float at(int x, int y) const
    {
        return x < 0 || y < 0 || x >= width || y >= height ? 0.0f : coverage[static_cast<std::size_t>(y) * width + x];
    }
};

Glyph renderGlyph(FT_Face face, unsigned long code, int outline)
{
    Glyph glyph;
    // Control codes and characters the font lacks stay blank, as narrow as a glyph may be.
    if (FT_Get_Char_Index(face, code) == 0 || FT_Load_Char(face, code, FT_LOAD_RENDER) != 0) {
        glyph.advance = 2;
        return glyph;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.advance = static_cast<int>(slot->advance.x >> 6);
    glyph.left = slot->bitmap_left - outline;
    glyph.top = slot->bitmap_top + outline;
    glyph.width = static_cast<int>(bitmap.width) + 2 * outline;
    glyph.height = static_cast<int>(bitmap.rows) + 2 * outline;
    glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 0.0f);
    for (unsigned row = 0; row < bitmap.rows; ++row)
        for (unsigned col = 0; col < bitmap.width; ++col)
            glyph.coverage[(row + outline) * glyph.width + col + outline] =
                bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
    return glyph;
}

// Coverage grown by the outline's radius: the largest coverage within a disc around each pixel.
float outlineCoverage(const Glyph& glyph, int x, int y, int radius)
{
    float best = 0.0f;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (dx * dx + dy * dy <= radius * radius + radius)
                best = std::max(best, glyph.at(x + dx, y + dy));
    return best;
}

struct Metrics {
    int above = 0, below = 0;  // rows above and below the baseline that any glyph reaches
};

Metrics measure(const std::vector<Glyph>& glyphs)
{
    Metrics m;
    for (const Glyph& g : glyphs) {
        m.above = std::max(m.above, g.top);
        m.below = std::max(m.below, g.height - g.top);
    }
    return m;
}

// The box a glyph takes: its advance, widened where ink reaches outside it. The upper-left marker shares
// the box's first column, whose top pixel no ink reaches.
int boxWidth(const Glyph& g, int outline)
{
    const int inkLeft = std::min(0, g.left);
    const int inkRight = std::max(g.advance + outline, g.left + g.width);
    return std::max(3, inkRight - inkLeft);
}

void drawGlyph(Image& sheet, const Glyph& g, int penX, int baseline, const FontStyle& style)
{
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const int px = penX + g.left + x, py = baseline - g.top + y;
            if (style.outline > 0)
                sheet.blend(px, py, style.outlineColor, outlineCoverage(g, x, y, style.outline));
            sheet.blend(px, py, style.ink, g.at(x, y));
        }
}

}  // namespace

Image FontSheet::render(const FontStyle& style)
{
    const FreeTypeFace face(style.fontFile, style.pixelSize);
    std::vector<Glyph> glyphs;
    for (int code = 32; code <= style.lastChar; ++code)
        glyphs.push_back(renderGlyph(face.face(), static_cast<unsigned long>(code), style.outline));
    const Metrics metrics = measure(glyphs);
    const int boxHeight = 1 + metrics.above + metrics.below;

    // Lay the boxes out in rows first, to know the sheet's height.
    std::vector<irr::core::position2di> corners;
    int x = 0, y = 0;
    for (const Glyph& g : glyphs) {
        const int w = boxWidth(g, style.outline);
        if (x + w >= style.sheetWidth) {
            x = 0;
            y += boxHeight + 1;
        }
        corners.emplace_back(x, y);
        x += w;
    }
    Image sheet(style.sheetWidth, y + boxHeight + 1, style.background);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const Glyph& g = glyphs[i];
        const int w = boxWidth(g, style.outline);
        const int penX = corners[i].X - std::min(0, g.left);
        drawGlyph(sheet, g, penX, corners[i].Y + 1 + metrics.above, style);
        sheet.set(corners[i].X, corners[i].Y, UpperLeftMarker);
        sheet.set(corners[i].X + w, corners[i].Y + boxHeight, LowerRightMarker);
    }
    // The loader reads the marker colours and the background from the first three pixels.
    sheet.set(1, 0, LowerRightMarker);
    sheet.set(2, 0, style.background);
    return sheet;
}
