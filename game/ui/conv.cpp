// Byte-by-byte Windows-1252 decoding: the C locale's mbstowcs would reject every byte above 127.
#include "ui/conv.h"

namespace {

// 0x80 to 0x9F, where Windows-1252 differs from Latin-1; the five unused codes keep their value.
const wchar_t windows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

wchar_t decode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? windows1252[byte - 0x80] : static_cast<wchar_t>(byte);
}

}

const wchar_t* conv(const char* text)
{
    static wchar_t buffer[512];
    int length = 0;
    for (; text[length] != 0 && length < 511; ++length)
        buffer[length] = decode(static_cast<unsigned char>(text[length]));
    buffer[length] = 0;
    return buffer;
}
