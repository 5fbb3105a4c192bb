// Text conversions between the banks and the database (UTF-8) and the game's wire (Windows-1252).
#pragma once
#include <cstddef>
#include <string>

namespace quizd {

// Converts UTF-8 to Windows-1252. Returns false when a character has no place in the code page (or the
// UTF-8 is broken); badChar then holds the offending code point (or -1 for broken UTF-8).
bool utf8ToCp1252(const std::string& utf8, std::string& out, long& badChar);

std::string cp1252ToUtf8(const std::string& bytes);

// True for well-formed UTF-8 that uses at least one multi-byte sequence: such a text came from a
// modern client rather than from the game, whose bytes are Windows-1252.
bool looksLikeUtf8(const std::string& bytes);

// Text from outside (a request, a class list saved by a spreadsheet) as UTF-8: Windows-1252 bytes are
// converted, UTF-8 is kept.
std::string incomingText(const std::string& bytes);

// What the game's windows show of a bank text: characters of Windows-1252 only, at most this many bytes.
constexpr std::size_t kMaxGameTextBytes = 511;

struct GameTextCheck {
    enum class Problem { None, BrokenUtf8, OutsideCodePage, TooLong };
    Problem problem = Problem::None;
    long badChar = 0;      // the first character the code page lacks
    std::size_t bytes = 0; // the text's length as the game receives it
    std::string message() const; // why the game cannot show it, for the teacher; "" when it can
};

GameTextCheck checkGameText(const std::string& utf8);

// A UTF-8 answer folded for comparison: lower case, accents dropped, blanks trimmed and collapsed.
std::string foldForComparison(const std::string& utf8);

}
