// Percent-encoding of texts for the quiz server's query strings.
#pragma once

#include <string>

// Letters, digits and ~ ! * ( ) ' stay; every other byte becomes % and two lower-case hex digits.
std::string urlencode(const std::string& text);
// The same into a static buffer that the next call overwrites; cut at a whole escape when too long.
char* _urlencode(const std::string& text);
std::string char2hex(char c);
