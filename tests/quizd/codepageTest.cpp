// Windows-1252 on the wire, UTF-8 inside, and the folding used to compare free-text answers.
#include "codepage.h"

#include <gtest/gtest.h>

using namespace quizd;

TEST(Codepage, PortugueseAndTheHighRowRoundTrip)
{
    std::string utf8 = "ação é \xE2\x82\xAC \xE2\x80\x9C" "cabo\xE2\x80\x9D";
    std::string bytes;
    long bad = 0;
    ASSERT_TRUE(utf8ToCp1252(utf8, bytes, bad));
    EXPECT_EQ(bytes, "a\xE7\xE3o \xE9 \x80 \x93" "cabo\x94");
    EXPECT_EQ(cp1252ToUtf8(bytes), utf8);
}

TEST(Codepage, CharactersOutsideTheCodePageAreNamed)
{
    std::string bytes;
    long bad = 0;
    EXPECT_FALSE(utf8ToCp1252("\xCE\xB1", bytes, bad)); // Greek alpha
    EXPECT_EQ(bad, 0x3B1);
    EXPECT_FALSE(utf8ToCp1252("\xC3", bytes, bad));
    EXPECT_EQ(bad, -1);
}

TEST(Codepage, GameBytesAreNotMistakenForUtf8)
{
    EXPECT_FALSE(looksLikeUtf8("sat\xE9lite"));
    EXPECT_FALSE(looksLikeUtf8("plain"));
    EXPECT_TRUE(looksLikeUtf8("satélite"));
}

TEST(Codepage, FoldingIgnoresCaseAccentsAndBlanks)
{
    EXPECT_EQ(foldForComparison("  Satélite\tGEOESTACIONÁRIO \n"), "satelite geoestacionario");
    EXPECT_EQ(foldForComparison("Conexão  ÇÃO"), "conexao cao");
}
