// Windows-1252 <-> UTF-8, and the folding that makes "Satélite " equal "satelite".
#include "codepage.h"

#include <cctype>
#include <cstdio>

#include "windows1252.h"

namespace quizd {
namespace {

// Base letters of U+00C0..U+00FF; '.' keeps the character.
const char kBaseLetters[] = "AAAAAA.CEEEEIIIIDNOOOOO.OUUUUY..aaaaaa.ceeeeiiiidnooooo.ouuuuy.y";

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Decodes one character at i and advances i; returns -1 for a malformed sequence.
long decodeUtf8(const std::string& s, std::size_t& i)
{
    unsigned char lead = s[i++];
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
    if (extra < 0 || lead >= 0xF5) return -1;
    long c = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return -1;
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    static const long kMinimum[4] = {0, 0x80, 0x800, 0x10000};
    if (c < kMinimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return -1;
    return c;
}

int cp1252Byte(long c)
{
    return c < 0 ? -1 : windows1252::fromUnicode(char32_t(c));
}

}

bool utf8ToCp1252(const std::string& utf8, std::string& out, long& badChar)
{
    out.clear();
    for (std::size_t i = 0; i < utf8.size();) {
        long c = decodeUtf8(utf8, i);
        int byte = c < 0 ? -1 : cp1252Byte(c);
        if (byte < 0) {
            badChar = c;
            return false;
        }
        out += char(byte);
    }
    return true;
}

std::string cp1252ToUtf8(const std::string& bytes)
{
    std::string out;
    for (unsigned char b : bytes) appendUtf8(out, windows1252::toUnicode(b));
    return out;
}

bool looksLikeUtf8(const std::string& bytes)
{
    bool multiByte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t start = i;
        if (decodeUtf8(bytes, i) < 0) return false;
        multiByte = multiByte || i - start > 1;
    }
    return multiByte;
}

std::string incomingText(const std::string& bytes)
{
    return looksLikeUtf8(bytes) ? bytes : cp1252ToUtf8(bytes);
}

std::string foldForComparison(const std::string& utf8)
{
    std::string out;
    bool pendingBlank = false;
    for (std::size_t i = 0; i < utf8.size();) {
        long c = decodeUtf8(utf8, i);
        if (c < 0) continue;
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        if (c >= 0xC0 && c <= 0xFF && kBaseLetters[c - 0xC0] != '.') c = kBaseLetters[c - 0xC0];
        if (c < 0x80) c = std::tolower(int(c));
        appendUtf8(out, char32_t(c));
    }
    return out;
}

GameTextCheck checkGameText(const std::string& utf8)
{
    GameTextCheck check;
    std::string bytes;
    long bad = 0;
    if (!utf8ToCp1252(utf8, bytes, bad)) {
        check.problem = bad < 0 ? GameTextCheck::Problem::BrokenUtf8 : GameTextCheck::Problem::OutsideCodePage;
        check.badChar = bad;
        return check;
    }
    check.bytes = bytes.size();
    if (check.bytes > kMaxGameTextBytes) check.problem = GameTextCheck::Problem::TooLong;
    return check;
}

std::string GameTextCheck::message() const
{
    switch (problem) {
    case Problem::None: return "";
    case Problem::BrokenUtf8: return "texto não é UTF-8 válido";
    case Problem::OutsideCodePage: {
        char code[24];
        std::snprintf(code, sizeof code, "U+%04lX", badChar);
        std::string shown;
        appendUtf8(shown, char32_t(badChar));
        return "o jogo não mostra o caractere " + shown + " (" + code + ", fora de Windows-1252)";
    }
    default:
        return "texto com " + std::to_string(bytes) + " bytes no jogo; o máximo é " +
               std::to_string(kMaxGameTextBytes);
    }
}

}
