// Percent-encoding as the quiz server reads it: space is %20, never '+'.
#include "net/urlencode.h"

#include <cctype>
#include <cstring>

namespace {

bool keptAsIs(unsigned char c)
{
    // strchr would find the terminating zero of its own set
    return c != 0 && ((c < 128 && std::isalnum(c)) || std::strchr("~!*()'", c) != nullptr);
}

}

std::string char2hex(char c)
{
    const char* digits = "0123456789abcdef";
    unsigned char byte = static_cast<unsigned char>(c);
    return {digits[byte >> 4], digits[byte & 15]};
}

std::string urlencode(const std::string& text)
{
    std::string encoded;
    for (char c : text) {
        if (keptAsIs(static_cast<unsigned char>(c)))
            encoded += c;
        else
            encoded += '%' + char2hex(c);
    }
    return encoded;
}

std::string _urlencode(const std::string& text)
{
    std::string encoded = urlencode(text);
    size_t length = encoded.size();
    if (length > maxEncodedLength) {
        length = maxEncodedLength;
        // never leave half an escape at the cut
        size_t lastEscape = encoded.rfind('%', length - 1);
        if (lastEscape != std::string::npos && lastEscape + 3 > length)
            length = lastEscape;
    }
    encoded.resize(length);
    return encoded;
}
