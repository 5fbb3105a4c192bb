// A TrueType font opened through FreeType at one pixel size.
#include "FreeTypeFace.h"

#include <stdexcept>

FreeTypeFace::FreeTypeFace(const std::string& fontFile, int pixelSize)
{
    if (FT_Init_FreeType(&_library) != 0)
        throw std::runtime_error("cannot start FreeType");
    if (FT_New_Face(_library, fontFile.c_str(), 0, &_face) != 0) {
        FT_Done_FreeType(_library);
        throw std::runtime_error("cannot open font " + fontFile);
    }
    FT_Set_Pixel_Sizes(_face, 0, static_cast<FT_UInt>(pixelSize));
}

FreeTypeFace::~FreeTypeFace()
{
    FT_Done_Face(_face);
    FT_Done_FreeType(_library);
}
