// Verdicts: positions through the order the student saw, exact sets, numbers and folded text.
#include "AnswerJudge.h"

#include <gtest/gtest.h>

using namespace quizd;

namespace {

Question choice(std::vector<int> right)
{
    Question q;
    q.kind = right.size() == 1 ? Kind::OneChoice : Kind::SeveralChoices;
    q.alternatives = {"a", "b", "c", "d"};
    q.rightAlternatives = right;
    return q;
}

}

TEST(AnswerJudge, ChoicePositionsGoThroughTheShownOrder)
{
    Question q = choice({0});
    EXPECT_TRUE(AnswerJudge::isRight(q, {2, 0, 3, 1}, "1"));
    EXPECT_FALSE(AnswerJudge::isRight(q, {2, 0, 3, 1}, "0"));
}

TEST(AnswerJudge, SeveralChoicesNeedTheExactSet)
{
    Question q = choice({1, 3});
    std::vector<int> same = {0, 1, 2, 3};
    EXPECT_TRUE(AnswerJudge::isRight(q, same, "1\t3"));
    EXPECT_TRUE(AnswerJudge::isRight(q, same, "3\t1"));
    EXPECT_FALSE(AnswerJudge::isRight(q, same, "1"));
    EXPECT_FALSE(AnswerJudge::isRight(q, same, "1\t2\t3"));
    for (const char* bad : {"", "\t", "1\t", "9", "1 3", "-1", "13", "1\t3x"})
        EXPECT_FALSE(AnswerJudge::isRight(q, same, bad)) << bad;
}

TEST(AnswerJudge, NumbersTakeACommaAndATolerance)
{
    Question q;
    q.kind = Kind::Number;
    q.acceptedNumbers = {{3.13, 3.15}};
    EXPECT_TRUE(AnswerJudge::isRight(q, {}, " 3,14 "));
    EXPECT_TRUE(AnswerJudge::isRight(q, {}, "3.15"));
    EXPECT_FALSE(AnswerJudge::isRight(q, {}, "3.2"));
    EXPECT_FALSE(AnswerJudge::isRight(q, {}, "3.14 km"));
    EXPECT_FALSE(AnswerJudge::isRight(q, {}, ""));
}

TEST(AnswerJudge, TextIgnoresCaseAccentsAndSurroundingBlanks)
{
    Question q;
    q.kind = Kind::Text;
    q.acceptedTexts = {"Roteador", "router"};
    EXPECT_TRUE(AnswerJudge::isRight(q, {}, "  ROTEADOR\n"));
    EXPECT_TRUE(AnswerJudge::isRight(q, {}, "Róteador"));
    EXPECT_TRUE(AnswerJudge::isRight(q, {}, "router"));
    EXPECT_FALSE(AnswerJudge::isRight(q, {}, "rotea dor"));
}
