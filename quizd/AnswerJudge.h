// Decides whether an answer is right: free text without regard to case, blanks or accents; numbers within
// their tolerance; choices by the exact set of ticked positions.
#pragma once
#include "Question.h"

#include <string>
#include <vector>

namespace quizd {

class AnswerJudge {
public:
    // order: the alternatives as the student saw them (position -> index in the bank).
    static bool isRight(const Question& q, const std::vector<int>& order, const std::string& answerUtf8);

private:
    static bool textIsRight(const Question& q, const std::string& answer);
    static bool numberIsRight(const Question& q, const std::string& answer);
    static bool choiceIsRight(const Question& q, const std::vector<int>& order, const std::string& answer);
};

}
