// GIFT import: Moodle's own examples, the mapping onto the game's kinds, and what is refused.
#include "GiftParser.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quizd;

namespace {

// The examples of Moodle's GIFT documentation.
const char* kMoodleExamples = R"(// true-false
::Q1:: 1+1=2 {T}

// multiple choice with feedback for right and wrong answers
::Q2:: What's between orange and green in the rainbow?
{ =yellow # right; good! ~red # wrong, it's yellow ~blue # wrong, it's yellow }

// fill-in-the-blank
::Q3:: Two plus {=two =2} equals four.

// matching
::Q4:: Which animal eats which food? { =cat -> cat food =dog -> dog food }

// math range question
::Q5:: What is a number from 1 to 5? {#3:2}

// math range given by interval end points
::Q6:: What is a number from 1 to 5? {#1..5}
// translated on import to the same as Q5, but unavailable from Moodle question interface

// multiple numeric answers with partial credit and feedback
::Q7:: When was Ulysses S. Grant born? {#
         =1822:0      # Correct! Full credit.
         =%50%1822:2  # He was born in 1822. Half credit for being close.
}

// essay
::Q8:: How are you? {}
)";

GiftParser::Result parse(const std::string& text)
{
    return GiftParser().parse(text);
}

}

TEST(GiftParser, MapsMoodleExamplesOntoGameKinds)
{
    GiftParser::Result r = parse(kMoodleExamples);
    ASSERT_EQ(r.questions.size(), 6u);

    const Question& trueFalse = r.questions[0];
    EXPECT_EQ(trueFalse.kind, Kind::OneChoice);
    EXPECT_EQ(trueFalse.text, "1+1=2");
    EXPECT_EQ(trueFalse.alternatives, (std::vector<std::string>{"Verdadeiro", "Falso"}));
    EXPECT_EQ(trueFalse.rightAlternatives, std::vector<int>{0});
    EXPECT_FALSE(trueFalse.shuffle);

    const Question& choice = r.questions[1];
    EXPECT_EQ(choice.kind, Kind::OneChoice);
    EXPECT_EQ(choice.alternatives, (std::vector<std::string>{"yellow", "red", "blue"}));
    EXPECT_EQ(choice.rightAlternatives, std::vector<int>{0});

    const Question& blank = r.questions[2];
    EXPECT_EQ(blank.kind, Kind::Text);
    EXPECT_EQ(blank.text, "Two plus _____ equals four.");
    EXPECT_EQ(blank.acceptedTexts, (std::vector<std::string>{"two", "2"}));

    EXPECT_EQ(r.questions[3].kind, Kind::Number);
    EXPECT_DOUBLE_EQ(r.questions[3].acceptedNumbers.at(0).low, 1);
    EXPECT_DOUBLE_EQ(r.questions[3].acceptedNumbers.at(0).high, 5);
    EXPECT_DOUBLE_EQ(r.questions[4].acceptedNumbers.at(0).low, 1);
    EXPECT_DOUBLE_EQ(r.questions[4].acceptedNumbers.at(0).high, 5);
    // Only the full-credit answer counts as right.
    ASSERT_EQ(r.questions[5].acceptedNumbers.size(), 1u);
    EXPECT_DOUBLE_EQ(r.questions[5].acceptedNumbers[0].high, 1822);

    // Matching and essay have no counterpart in the game: reported with the line they start on.
    ASSERT_EQ(r.problems.size(), 2u);
    EXPECT_EQ(r.problems[0].line, 12);
    EXPECT_EQ(r.problems[1].line, 28);
}

TEST(GiftParser, WeightedAnswersBecomeSeveralChoices)
{
    GiftParser::Result r = parse("Quais sao planetas? {~%50%Terra ~%50%Marte ~%-100%Lua ~%-100%Sol}\n");
    ASSERT_EQ(r.questions.size(), 1u);
    EXPECT_EQ(r.questions[0].kind, Kind::SeveralChoices);
    EXPECT_EQ(r.questions[0].rightAlternatives, (std::vector<int>{0, 1}));
}

TEST(GiftParser, EscapesHtmlAndTitlesAreUnwrapped)
{
    GiftParser::Result r = parse("::t\\:1::[html]<p>Quanto &amp; 1\\=1\\{\\}?</p>{=sim\\~ ~n\\#o}\n");
    ASSERT_EQ(r.questions.size(), 1u);
    EXPECT_EQ(r.questions[0].text, "Quanto & 1=1{}?");
    EXPECT_EQ(r.questions[0].alternatives, (std::vector<std::string>{"sim~", "n#o"}));
}

TEST(GiftParser, RefusesWhatTheGameCannotShowAndKeepsTheRest)
{
    GiftParser::Result r = parse("Seis opcoes {=a ~b ~c ~d ~e ~f}\n"
                                 "\n"
                                 "Sem fechamento {=a ~b\n"
                                 "\n"
                                 "Apenas uma descricao.\n"
                                 "\n"
                                 "Nenhuma certa {~a ~b}\n"
                                 "\n"
                                 "Emoji \xF0\x9F\x98\x80 {T}\n"
                                 "\n"
                                 "Euro \xE2\x82\xAC e satelite {F}\n"
                                 "\n" +
                                 std::string(600, 'x') + " {T}\n" +
                                 "\n"
                                 "Alternativa longa {=" + std::string(512, 'y') + " ~b}\n");
    ASSERT_EQ(r.questions.size(), 1u);
    EXPECT_EQ(r.questions[0].text, "Euro \xE2\x82\xAC e satelite");
    ASSERT_EQ(r.problems.size(), 7u);
    EXPECT_NE(r.problems[5].message.find("511"), std::string::npos);
    EXPECT_NE(r.problems[6].message.find("511"), std::string::npos);
    EXPECT_EQ(r.problems[0].line, 1);
    EXPECT_EQ(r.problems[1].line, 3);
    EXPECT_EQ(r.problems[4].line, 9);
    EXPECT_NE(r.problems[4].message.find("U+1F600"), std::string::npos);
}

TEST(GiftParser, BinaryGarbageGivesProblemsNotQuestions)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += char((i * 7919) % 256);
    GiftParser::Result r = parse(garbage);
    for (const Question& q : r.questions) EXPECT_FALSE(q.text.empty());
}

TEST(GiftParser, AnswersPerQuestionAreCapped)
{
    auto answers = [](int n) {
        std::string list;
        for (int k = 0; k < n; ++k) list += "=r" + std::to_string(k) + " ";
        return "Quantas? {" + list + "}\n";
    };
    EXPECT_EQ(parse(answers(100)).questions.at(0).acceptedTexts.size(), 100u);
    GiftParser::Result over = parse(answers(101));
    EXPECT_TRUE(over.questions.empty());
    EXPECT_NE(over.problems.at(0).message.find("mais de 100 respostas"), std::string::npos);
}

// A bank of one huge question once took time growing with the square of its size (600 kB never
// finished): one of 600 kB is read through to its problems. bench_gift_parser prints the times.
TEST(GiftParser, AHugeQuestionIsReadThroughToItsProblems)
{
    std::string answers, entities;
    for (int k = 0; k < 200000; ++k) {
        answers += "=a ";
        entities += "&amp;";
    }
    GiftParser::Result r = parse("Muitas {" + answers + "}\n\n[html]" + entities + " {T}\n");
    EXPECT_TRUE(r.questions.empty());
    ASSERT_EQ(r.problems.size(), 2u);
    EXPECT_EQ(r.problems[0].line, 1);
    EXPECT_NE(r.problems[0].message.find("mais de 100 respostas"), std::string::npos);
    EXPECT_EQ(r.problems[1].line, 3);
    // Each entity decoded to one byte: too long for the game, and said so.
    EXPECT_NE(r.problems[1].message.find("texto com 200000 bytes"), std::string::npos);
}
