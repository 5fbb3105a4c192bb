// Splitting a text into the runs between delimiter characters.
#pragma once

#include <string>
#include <vector>

// Appends every non-empty run of str free of delimiters to tokens; tokens is not cleared first.
void tokenize(const std::string& str, std::vector<std::string>& tokens, const std::string& delimiters);
