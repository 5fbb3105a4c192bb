// The bank as a GIFT file, for Moodle or for another quizd: what GiftParser reads back as the same
// questions.
#pragma once
#include "Question.h"

#include <string>
#include <vector>

namespace quizd {

class GiftWriter {
public:
    static std::string write(const std::vector<Question>& questions);
    static std::string question(const Question& q);
    // The shortest decimal text that reads back as exactly this number.
    static std::string number(double value);

private:
    static std::string escape(const std::string& text);
    static std::string answers(const Question& q);
};

}
