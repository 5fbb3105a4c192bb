// Windows-1252 texts turned into the wide texts the windows show.
#include <gtest/gtest.h>

#include <string>

#include "ui/conv.h"

TEST(ConvTest, DecodesWindows1252AndCutsALongText)
{
    EXPECT_EQ(std::wstring(conv("\xe7\xe3\xe9\x80")), L"\u00e7\u00e3\u00e9\u20ac");
    EXPECT_EQ(std::wstring(conv(std::string(600, 'a').c_str())).size(), 511u);
}

TEST(ConvTest, EdgesOfTheWindows1252Block)
{
    const struct {
        const char* bytes;
        wchar_t wide;
    } cases[] = {{"\x7f", L'\u007f'}, {"\x80", L'\u20ac'}, {"\x81", L'\u0081'}, {"\x9d", L'\u009d'},
                 {"\x9f", L'\u0178'}, {"\xa0", L'\u00a0'}, {"\xff", L'\u00ff'}};
    for (const auto& c : cases)
        EXPECT_EQ(conv(c.bytes), std::wstring(1, c.wide)) << static_cast<int>(c.bytes[0] & 0xff);
}
