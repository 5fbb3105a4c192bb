// The verdict on one answer.
#include "AnswerJudge.h"

#include "codepage.h"

#include <cstdlib>
#include <set>

namespace quizd {

bool AnswerJudge::isRight(const Question& q, const std::vector<int>& order, const std::string& answerUtf8)
{
    switch (q.kind) {
    case Kind::Text: return textIsRight(q, answerUtf8);
    case Kind::Number: return numberIsRight(q, answerUtf8);
    default: return choiceIsRight(q, order, answerUtf8);
    }
}

bool AnswerJudge::textIsRight(const Question& q, const std::string& answer)
{
    std::string given = foldForComparison(answer);
    for (const std::string& accepted : q.acceptedTexts)
        if (foldForComparison(accepted) == given) return true;
    return false;
}

bool AnswerJudge::numberIsRight(const Question& q, const std::string& answer)
{
    // Portuguese writes "3,14".
    std::string s = foldForComparison(answer);
    for (char& c : s)
        if (c == ',') c = '.';
    char* end = nullptr;
    double value = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != '\0') return false;
    for (const NumberRange& r : q.acceptedNumbers)
        if (value >= r.low - 1e-9 && value <= r.high + 1e-9) return true;
    return false;
}

bool AnswerJudge::choiceIsRight(const Question& q, const std::vector<int>& order, const std::string& answer)
{
    // The game sends the ticked positions, zero-based, separated by tabs: "1\t3".
    std::set<int> ticked;
    std::size_t start = 0;
    while (start <= answer.size()) {
        std::size_t end = answer.find('\t', start);
        if (end == std::string::npos) end = answer.size();
        std::string token = answer.substr(start, end - start);
        if (token.size() != 1 || token[0] < '0' || token[0] > '9') return false;
        std::size_t position = std::size_t(token[0] - '0');
        if (position >= order.size()) return false;
        ticked.insert(order[position]);
        start = end + 1;
    }
    return ticked == std::set<int>(q.rightAlternatives.begin(), q.rightAlternatives.end());
}

}
