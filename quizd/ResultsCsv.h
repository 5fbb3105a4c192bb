// The results table as CSV for a spreadsheet: one line per student.
#pragma once
#include "QuizStore.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace quizd {

class ResultsCsv {
public:
    static void write(std::ostream& out, const std::vector<StudentResult>& results);
    // One cell: quoted when it holds a separator, a quote or a line break; a leading apostrophe when a
    // spreadsheet would take it for a formula.
    static std::string field(const std::string& text);
};

}
