// config.xml for the game: one `user` element with the new values, everything else left alone.
#include "GameConfig.h"

#include <gtest/gtest.h>

using quizd::GameConfig;

TEST(GameConfig, ReplacesEveryUserElementByOneAndKeepsTheRest)
{
    std::string original = "<config>\n  <!-- escola -->\n  <proxy active=\"true\" ip=\"10.0.0.1\" port=\"3128\"/>\n"
                           "  <user username=\"a\"\n        password=\"b\" server=\"old\"/>\n"
                           "  <screenresolution x=\"800\" y=\"600\"/>\n  <user username=\"c\" password=\"d\" server=\"x\"></user>\n"
                           "</config>\n";
    std::string updated = GameConfig::withUser(original, "127.0.0.1:8080", "demo", "a&b\"<");
    EXPECT_EQ(updated, "<config>\n  <!-- escola -->\n  <proxy active=\"true\" ip=\"10.0.0.1\" port=\"3128\"/>\n"
                       "  <user username=\"demo\" password=\"a&amp;b&quot;&lt;\" server=\"127.0.0.1:8080\"/>\n"
                       "  <screenresolution x=\"800\" y=\"600\"/>\n  \n</config>\n");
}

TEST(GameConfig, AddsTheElementOrWritesAWholeFile)
{
    EXPECT_EQ(GameConfig::withUser("<config>\n</config>\n", "h", "u", "p"),
              "<config>\n  <user username=\"u\" password=\"p\" server=\"h\"/>\n</config>\n");
    std::string fresh = GameConfig::withUser("", "h:1", "u", "p");
    EXPECT_NE(fresh.find("<user username=\"u\" password=\"p\" server=\"h:1\"/>"), std::string::npos);
    EXPECT_NE(fresh.find("<screenresolution"), std::string::npos);
}

TEST(GameConfig, NamesAreWrittenInTheGameCodePage)
{
    EXPECT_EQ(GameConfig::withUser("<config>\n</config>\n", "h", "jo\xC3\xA3o", "\xE2\x82\xAC"),
              "<config>\n  <user username=\"jo\xE3o\" password=\"\x80\" server=\"h\"/>\n</config>\n");
    EXPECT_THROW(GameConfig::withUser("", "h", "\xF0\x9F\x98\x80", "p"), std::runtime_error);
}
