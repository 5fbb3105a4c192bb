// Percent-encoding of the query strings: which bytes stay, how escapes look, where a long text is cut.
#include <gtest/gtest.h>

#include <string>

#include "net/urlencode.h"

TEST(UrlencodeTest, KeepsOnlyLettersDigitsAndTheSixMarks)
{
    EXPECT_EQ(urlencode("Az09~!*()'"), "Az09~!*()'");
    EXPECT_EQ(urlencode("-_. +%&\x01\xff"), "%2d%5f%2e%20%2b%25%26%01%ff");
    EXPECT_EQ(char2hex('\n'), "0a");
}

TEST(UrlencodeTest, LongTextIsCutAtAWholeEscape)
{
    std::string encoded = _urlencode(std::string(3000, ' '));
    EXPECT_EQ(encoded.size(), 8190u);
    EXPECT_EQ(encoded.substr(encoded.size() - 3), "%20");
}
