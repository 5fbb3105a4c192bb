// Byte-by-byte Windows-1252 decoding: the C locale's mbstowcs would reject every byte above 127.
#include "ui/conv.h"

#include "windows1252.h"

std::wstring conv(const char* text)
{
    std::wstring wide;
    for (size_t k = 0; text[k] != 0 && k < maxConvLength; ++k)
        wide += static_cast<wchar_t>(windows1252::toUnicode(static_cast<unsigned char>(text[k])));
    return wide;
}
