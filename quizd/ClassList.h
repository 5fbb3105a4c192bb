// A class list as a spreadsheet saves it: "usuario,senha" (or ';') per line, an optional header line.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace quizd {

class ClassList {
public:
    struct Problem {
        int line;
        std::string message;
    };
    struct Result {
        std::vector<std::pair<std::string, std::string>> students; // UTF-8 name and password
        std::vector<Problem> problems; // any problem means nothing of the list should be written
    };

    static Result parse(const std::string& bytes);

private:
    static std::string cell(const std::string& s);
};

}
