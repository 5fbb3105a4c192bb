// The editor's preview against the engine itself: the widths quizd keeps for the dialog font and its
// word wrap give the lines the game's question window makes.
#include "DialogLayout.h"

#include <gtest/gtest.h>

#include "support/NullDevice.h"
#include "shell/Engine.h"
#include "ui/DialogGeometry.h"
#include "ui/conv.h"

using quizd::DialogLayout;

class DialogLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        openNullDevice();
        font = GEnvironment->getFont(SATLINK_BUILD_DIR "/media/fontcalibri10.png");
        ASSERT_NE(font, nullptr);
        GEnvironment->getSkin()->setFont(font);
    }
    void TearDown() override { closeNullDevice(); }

    irr::gui::IGUIFont* font = nullptr;
};

TEST_F(DialogLayoutTest, TheWindowIsTheGamesSmallest)
{
    DialogGeometry g = DialogGeometry::forScreen(DialogLayout::kScreenWidth, DialogLayout::kScreenHeight);
    EXPECT_EQ(DialogLayout::kTextLeft, g.bordaH);
    EXPECT_EQ(DialogLayout::kTextRight, g.spaceH);
    EXPECT_EQ(DialogLayout::kTextHeight, g.spaceV1);
    EXPECT_EQ(DialogLayout::kAnswerHeight, g.spaceV2);
    EXPECT_EQ(DialogLayout::kLineHeight, int(font->getDimension(L"A").Height) + font->getKerningHeight());
}

TEST_F(DialogLayoutTest, EveryByteIsAsWideAsTheEngineDrawsIt)
{
    for (int byte = 32; byte < 256; ++byte) {
        const char text[] = {char(byte), 'a', 'W', 0};
        EXPECT_EQ(DialogLayout::width(text), int(font->getDimension(conv(text).c_str()).Width)) << byte;
    }
}

TEST_F(DialogLayoutTest, TextsBreakWhereTheWindowBreaksThem)
{
    const std::string texts[] = {
        "Curta.",
        std::string("Qual \xE9 o sat\xE9lite que ") + std::string(40, 'W') + " mais   espa\xE7os   entre   palavras " +
            "e uma linha\nnova, e mais texto at\xE9 passar da largura da janela duas ou tr\xEAs vezes, para ver.",
        std::string(120, 'm') + " palavra maior que a linha " + std::string(10, 'i') + " ",
        "Linha\r\noutra\n\nfim   ",
    };
    for (const std::string& text : texts) {
        irr::gui::IGUIStaticText* shown = GEnvironment->addStaticText(
            conv(text.c_str()).c_str(), irr::core::recti(0, 0, DialogLayout::kTextWidth, 1000), false, true);
        int lines = shown->getTextHeight() / DialogLayout::kLineHeight;
        EXPECT_EQ(int(DialogLayout::wrap(text).size()), lines) << text;
        int widest = 0;
        for (const std::string& line : DialogLayout::wrap(text)) widest = std::max(widest, DialogLayout::width(line));
        EXPECT_EQ(widest, shown->getTextWidth()) << text;
        shown->remove();
    }
}
