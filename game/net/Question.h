// One quiz question as the server's reply carries it: kind, id, text and the fields after them.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct Question {
    char type = 0;  // '1' or '4' free text, '2' or '3' a choice
    std::string id;
    std::string text;
    // The fields after the header: the alternatives of a choice, or the text a free answer starts from.
    std::vector<std::string> fields;

    // The reply body split at its tabs; empty when the body holds no question the windows can show.
    static std::optional<Question> parse(const std::string& body);
};
