// Splitting a text at delimiter characters, dropping empty pieces.
#include "net/tokenize.h"

void tokenize(const std::string& str, std::vector<std::string>& tokens, const std::string& delimiters)
{
    std::string::size_type start = str.find_first_not_of(delimiters);
    while (start != std::string::npos) {
        std::string::size_type end = str.find_first_of(delimiters, start);
        tokens.push_back(str.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = str.find_first_not_of(delimiters, end);
    }
}
