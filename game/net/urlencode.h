// Percent-encoding of texts for the quiz server's query strings.
#pragma once

#include <string>

// Letters, digits and ~ ! * ( ) ' stay; every other byte becomes % and two lower-case hex digits.
std::string urlencode(const std::string& text);
// The longest answer the quiz request carries.
constexpr size_t maxEncodedLength = 8191;
// The same, cut at a whole escape when longer than maxEncodedLength.
std::string _urlencode(const std::string& text);
std::string char2hex(char c);
