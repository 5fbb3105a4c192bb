// Questions from a spreadsheet saved as CSV (comma or semicolon, UTF-8 or Windows-1252): one a row,
// the question, its right answer(s) split by '|', then the wrong answers, one a column. The kind
// follows from what the row holds.
#pragma once
#include "Question.h"

#include <string>
#include <utility>
#include <vector>

namespace quizd {

class CsvQuestionImport {
public:
    struct Row {
        int line;         // where the row starts in the file
        std::string kind; // as the editor's form names it
        std::string text;
    };
    struct Problem {
        int line;
        std::string message;
    };
    struct Result {
        std::string utf8;               // the file as read, to send back when the teacher confirms
        std::vector<Row> rows;          // every row, problems or not
        std::vector<Question> questions;
        std::vector<Problem> problems;  // any problem means nothing of the file should be written
    };

    static Result parse(const std::string& bytes);
    static std::string templateFile();

private:
    static std::vector<std::pair<int, std::vector<std::string>>> records(const std::string& text, char separator);
    static std::string inferKind(const std::vector<std::string>& rights, std::size_t wrongs);
    static void readRow(int line, const std::vector<std::string>& cells, Result& result);
};

}
