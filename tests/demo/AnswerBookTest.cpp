// The automatic player's answers from the sample bank, matched as the game shows the questions.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "demo/AnswerBook.h"
#include "ui/conv.h"

namespace {

AnswerBook sampleBank()
{
    std::string error;
    AnswerBook book = AnswerBook::fromFile(SATLINK_SOURCE_DIR "/quizd/sample/satlink.gift", error);
    EXPECT_EQ(error, "");
    return book;
}

ShownQuestion shown(char type, const std::string& text, std::vector<std::string> alternatives = {})
{
    ShownQuestion q{type, text, {}};
    for (const std::string& a : alternatives)
        q.alternatives.push_back(conv(a.c_str()));
    return q;
}

}

TEST(AnswerBookTest, ReadsTheSampleBank)
{
    EXPECT_EQ(sampleBank().size(), 39u);
    std::string error;
    EXPECT_EQ(AnswerBook::fromFile("/nonexistent/bank.gift", error).size(), 0u);
    EXPECT_NE(error.find("/nonexistent/bank.gift"), std::string::npos);
}

TEST(AnswerBookTest, RightAnswersOfEveryKind)
{
    const AnswerBook book = sampleBank();
    const struct {
        ShownQuestion question;
        std::wstring text;
        std::vector<int> ticks;
    } cases[] = {
        {shown('4', "Quantos bits tem um endere\xe7o IPv4?"), L"32", {}},
        {shown('1', "Escreva o endere\xe7o IPv4 de loopback (o pr\xf3prio computador)."), L"127.0.0.1", {}},
        // The server shuffles the alternatives: the right one is found by its text.
        {shown('2', "Qual equipamento repete o sinal para todas as portas, sem olhar endere\xe7os?",
               {"Switch", "Firewall", "Hub", "Roteador"}),
         L"",
         {2}},
        {shown('3', "Marque as camadas que fazem parte do modelo TCP/IP.",
               {"Sess\xe3o", "Internet", "Aplica\xe7\xe3o", "Apresenta\xe7\xe3o", "Transporte"}),
         L"",
         {1, 2, 4}},
        {shown('2', "O protocolo UDP garante a entrega e a ordem dos pacotes.", {"Verdadeiro", "Falso"}),
         L"",
         {1}},
    };
    for (const auto& c : cases) {
        const std::optional<Reply> reply = book.rightReply(c.question);
        ASSERT_TRUE(reply) << c.question.text;
        EXPECT_EQ(reply->text, c.text) << c.question.text;
        EXPECT_EQ(reply->ticks, c.ticks) << c.question.text;
    }
}

TEST(AnswerBookTest, WrongAnswersMissTheRightOnes)
{
    const AnswerBook book = sampleBank();
    const ShownQuestion hub =
        shown('2', "Qual equipamento repete o sinal para todas as portas, sem olhar endere\xe7os?",
              {"Hub", "Switch", "Roteador", "Firewall"});
    EXPECT_EQ(book.wrongReply(hub).ticks, std::vector<int>{1});
    EXPECT_EQ(book.wrongReply(shown('4', "Quantos bits tem um byte?")).text, L"nao sei");
}

TEST(AnswerBookTest, UnknownQuestionsHaveNoRightAnswer)
{
    const AnswerBook book = sampleBank();
    EXPECT_FALSE(book.rightReply(shown('1', "free text")));
    EXPECT_FALSE(book.rightReply(shown('4', "Quantos bits tem um byte")));
    EXPECT_FALSE(book.rightReply(shown('4', "")));
    EXPECT_FALSE(AnswerBook::fromText("not a bank").rightReply(shown('4', "not a bank")));
}
