// The game's bitmap fonts.
#include "generators/fonts.h"

#include "FontSheet.h"

namespace {

const char* const DejaVuFolder = "/usr/share/fonts/truetype/dejavu/";

// The narrow cut of DejaVu (from fonts-dejavu-extra) stands closest to the widths the dialogs were laid
// out for.
FontStyle textFont(int pixelSize)
{
    FontStyle style;
    style.fontFile = std::string(DejaVuFolder) + "DejaVuSansCondensed.ttf";
    style.pixelSize = pixelSize;
    return style;
}

}  // namespace

void writeFonts(const OutputFolder& out, const ImageFiles& images)
{
    images.save(FontSheet::render(textFont(13)), out.path("fontcalibri10.png"));

    // Messages are drawn over the scene, so a soft dark rim keeps them readable on a bright sky.
    FontStyle message = textFont(16);
    message.outline = 1;
    message.outlineColor = Image::Color(170, 0, 0, 0);
    images.save(FontSheet::render(message), out.path("fontcalibri12.png"));

    // Life and ammunition: large bold figures, white (the game tints them) in a black rim; a BMP has no
    // alpha, so the background is pure black and the rim a black just above it.
    FontStyle status;
    status.fontFile = std::string(DejaVuFolder) + "DejaVuSansCondensed-Bold.ttf";
    status.pixelSize = 30;
    status.lastChar = 126;
    status.outline = 2;
    status.outlineColor = Image::Color(255, 12, 12, 12);
    status.background = Image::Color(255, 0, 0, 0);
    images.save(FontSheet::render(status), out.path("battlefield.bmp"));
}
