// A question reply read into kind, id, text and the fields after the header.
#include <gtest/gtest.h>

#include "net/Question.h"

TEST(QuestionTest, HeaderAndFieldsOfEveryKind)
{
    struct Case {
        std::string body;
        char type;
        std::string id, text;
        std::vector<std::string> fields;
    };
    for (const Case& c : std::vector<Case>{
             {"1ABCDQual?", '1', "ABCD", "Qual?", {}},
             {"2ABCDQual?\tsim\tn\xe3o", '2', "ABCD", "Qual?", {"sim", "n\xe3o"}},
             {"3WXYZ\ta\t\tb\n", '3', "WXYZ", "", {"a", "b\n"}},
             {"4Q001Escreva:\tx = 1", '4', "Q001", "Escreva:", {"x = 1"}},
             {"1ABCD" + std::string(1100, 'x'), '1', "ABCD", std::string(1024, 'x'), {}},
         }) {
        std::optional<Question> question = Question::parse(c.body);
        ASSERT_TRUE(question) << c.body;
        EXPECT_EQ(question->type, c.type);
        EXPECT_EQ(question->id, c.id);
        EXPECT_EQ(question->text, c.text);
        EXPECT_EQ(question->fields, c.fields) << c.body;
    }
}

TEST(QuestionTest, NoQuestionInRepliesTheWindowsCannotShow)
{
    // a choice without alternatives is a reply cut short: nothing to tick
    for (const char* body :
         {"", "\t\t", "2ABC", "5ABCDQual?", "0ABCD", "<html>Not Found</html>", "2ABCDQual?", "3ABCDQuais?\t\t"})
        EXPECT_FALSE(Question::parse(body)) << body;
}
