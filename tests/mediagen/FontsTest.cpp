// The generated bitmap fonts, loaded through the GUI environment as the game loads them.
#include <irrlicht.h>

#include "support/EngineTest.h"

namespace {

const std::string Media = std::string(SATLINK_BUILD_DIR) + "/media/";

class FontsTest : public EngineTest {
protected:
    irr::gui::IGUIFontBitmap* loadFont(const std::string& name)
    {
        irr::gui::IGUIFont* font = GEnvironment->getFont((Media + name).c_str());
        if (!font || font->getType() != irr::gui::EGFT_BITMAP)
            return nullptr;
        return static_cast<irr::gui::IGUIFontBitmap*>(font);
    }

    // The glyph's pixels as the sheet holds them, with the background (pixel (2, 0)) read as zero.
    std::vector<irr::u32> glyphPixels(const std::string& name, irr::gui::IGUIFontBitmap* font, wchar_t c)
    {
        irr::video::IImage* sheet = GDriver->createImageFromFile((Media + name).c_str());
        const irr::video::SColor background = sheet->getPixel(2, 0);
        const wchar_t text[2] = {c, 0};
        const irr::core::recti box = font->getSpriteBank()->getPositions()[font->getSpriteNoFromChar(text)];
        std::vector<irr::u32> pixels;
        for (int y = box.UpperLeftCorner.Y + 1; y < box.LowerRightCorner.Y; ++y)
            for (int x = box.UpperLeftCorner.X; x < box.LowerRightCorner.X; ++x) {
                const irr::video::SColor p = sheet->getPixel(x, y);
                pixels.push_back(p == background || p.getAlpha() == 0 ? 0 : p.color);
            }
        sheet->drop();
        return pixels;
    }

    static bool hasInk(const std::vector<irr::u32>& pixels)
    {
        for (irr::u32 p : pixels)
            if (p != 0)
                return true;
        return false;
    }
};

}  // namespace

TEST_F(FontsTest, TextFontsHoldEveryLatin1Character)
{
    for (const char* name : {"fontcalibri10.png", "fontcalibri12.png"}) {
        irr::gui::IGUIFontBitmap* font = loadFont(name);
        ASSERT_NE(font, nullptr) << name;
        EXPECT_EQ(font->getSpriteBank()->getPositions().size(), 224u) << name;
        const wchar_t* phrase = L"Digite usuário e senha!";
        EXPECT_GT(font->getDimension(phrase).Width, 100u) << name;
        EXPECT_GE(font->getDimension(phrase).Height, 13u) << name;
    }
}

TEST_F(FontsTest, PortugueseLettersHaveGlyphsOfTheirOwn)
{
    const std::wstring accented = L"áàâãéêíóôõúçÁÀÂÃÉÊÍÓÔÕÚÇ";
    const std::wstring plain = L"aaaaeeiooouc" L"AAAAEEIOOOUC";
    for (const char* name : {"fontcalibri10.png", "fontcalibri12.png"}) {
        irr::gui::IGUIFontBitmap* font = loadFont(name);
        ASSERT_NE(font, nullptr) << name;
        for (std::size_t i = 0; i < accented.size(); ++i) {
            const wchar_t letter[2] = {accented[i], 0};
            EXPECT_EQ(font->getSpriteNoFromChar(letter), static_cast<irr::u32>(accented[i] - 32));
            const std::vector<irr::u32> ink = glyphPixels(name, font, accented[i]);
            EXPECT_TRUE(hasInk(ink)) << name << " code " << int(accented[i]);
            EXPECT_NE(ink, glyphPixels(name, font, plain[i])) << name << " code " << int(accented[i]);
        }
    }
}

TEST_F(FontsTest, StatusFontDrawsDigitsAndDash)
{
    irr::gui::IGUIFontBitmap* font = loadFont("battlefield.bmp");
    ASSERT_NE(font, nullptr);
    for (wchar_t c : std::wstring(L"0123456789-"))
        EXPECT_TRUE(hasInk(glyphPixels("battlefield.bmp", font, c))) << char(c);
    EXPECT_GE(font->getDimension(L"100").Height, 28u);
    EXPECT_NE(glyphPixels("battlefield.bmp", font, L'6'), glyphPixels("battlefield.bmp", font, L'9'));
}
