// quizd driven by the game's own quiz client (loginServer, askQuestion, sayAnswer over its socket layer).
#include "QuizdTest.h"

#include "HttpServer.h"
#include "net/Question.h"
#include "net/Server.h"
#include "shell/Config.h"
#include "platform/StateReset.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>

using namespace quizd;

namespace {

const char* kBank = "::a:: Qual protocolo entrega p\xC3\xA1ginas web? {=HTTP ~FTP ~SMTP}\n\n"
                    "::b:: Marque camadas do TCP/IP {~%50%Aplica\xC3\xA7\xC3\xA3o ~%50%Transporte ~%-100%Sess\xC3\xA3o}\n\n"
                    "::c:: Como se diz sat\xC3\xA9lite em ingl\xC3\xAAs? {=satellite}\n\n"
                    "::d:: Escreva a sigla com h\xC3\xAD" "fen e tab: {=Wi-Fi 6}\n";

}

class GameClientTest : public QuizdTest {
protected:
    void SetUp() override
    {
        QuizdTest::SetUp();
        resetRegisteredState();
        importGift(kBank);
        open().addUser("jo\xC3\xA3o", "p w&#");
        ServerOptions options;
        options.address = "127.0.0.1";
        options.port = 0;
        server_ = std::make_unique<HttpServer>(path_, options, log_);
        std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", server_->port());
        std::strcpy(GUser.usuario, "jo\xE3o"); // as the log-on box hands it over: Windows-1252
        std::strcpy(GUser.senha, "p w&#");
    }
    void TearDown() override
    {
        server_.reset();
        resetRegisteredState();
        QuizdTest::TearDown();
    }

    // The answer the choice window would send for the alternatives with these texts.
    static std::string tick(const ::Question& question, const std::vector<std::string>& wanted)
    {
        std::string answer;
        for (std::size_t k = 0; k < question.fields.size(); ++k)
            for (const std::string& w : wanted)
                if (question.fields[k] == w) answer += (answer.empty() ? "" : "\t") + std::to_string(k);
        return answer;
    }

    std::ostringstream log_;
    std::unique_ptr<HttpServer> server_;
};

TEST_F(GameClientTest, LogOnLevelChangeAndAFreeChoiceOfQuestion)
{
    std::string reply = loginServer();
    EXPECT_EQ(reply.substr(0, 12), "HTTP/1.1 200");
    EXPECT_EQ(reply.substr(reply.size() - 5), "\r\n\r\n1");
    EXPECT_EQ(changeLevel(2).substr(changeLevel(2).size() - 5), "\r\n\r\n1");
    ::Question question = askQuestion(-1);
    EXPECT_TRUE(question.type >= '1' && question.type <= '3');
    EXPECT_EQ(question.id.size(), 4u);
    EXPECT_FALSE(question.text.empty());
}

TEST_F(GameClientTest, RightAndWrongChoices)
{
    ::Question one = askQuestion(1);
    EXPECT_EQ(one.type, '2');
    EXPECT_EQ(one.id, "0001");
    EXPECT_EQ(one.text, "Qual protocolo entrega p\xE1ginas web?");
    ASSERT_EQ(one.fields.size(), 3u);
    EXPECT_EQ(sayAnswer(one, tick(one, {"HTTP"})).at(0), "1");
    EXPECT_NE(sayAnswer(one, tick(one, {"SMTP"})).at(0), "1");

    ::Question several = askQuestion(2);
    EXPECT_EQ(several.type, '3');
    std::string both = tick(several, {"Aplica\xE7\xE3o", "Transporte"});
    EXPECT_NE(both.find('\t'), std::string::npos);
    EXPECT_EQ(sayAnswer(several, both).at(0), "1");
    EXPECT_NE(sayAnswer(several, tick(several, {"Transporte"})).at(0), "1");
}

TEST_F(GameClientTest, FreeTextWithAccentsHyphensAndTabs)
{
    ::Question question = askQuestion(3);
    EXPECT_EQ(question.type, '1');
    EXPECT_TRUE(question.fields.empty());
    EXPECT_EQ(question.text, "Como se diz sat\xE9lite em ingl\xEAs?");
    EXPECT_EQ(sayAnswer(question, "  SATELLITE \n").at(0), "1");
    EXPECT_NE(sayAnswer(question, "sat\xE9lite").at(0), "1");

    ::Question hyphen = askQuestion(4);
    EXPECT_EQ(sayAnswer(hyphen, "wi-fi\t6").at(0), "1"); // a tab is a blank like any other
    EXPECT_NE(sayAnswer(hyphen, "wifi 6").at(0), "1");
    EXPECT_EQ(open().countAttempts(), 4);
}

TEST_F(GameClientTest, WrongPasswordAndUnknownQuestionStayPlayable)
{
    std::strcpy(GUser.senha, "errada");
    EXPECT_NE(loginServer().find("403"), std::string::npos);
    ::Question notice = askQuestion(-1);
    EXPECT_EQ(notice.type, '1');
    EXPECT_EQ(notice.id, "0000");
    EXPECT_NE(notice.text.find("senha"), std::string::npos);
    EXPECT_NE(sayAnswer(notice, "qualquer").at(0), "1");

    std::strcpy(GUser.senha, "p w&#");
    ::Question unknown = askQuestion(777);
    EXPECT_EQ(unknown.id, "0000");
    EXPECT_NE(sayAnswer(unknown, "0").at(0), "1");
    EXPECT_EQ(open().countAttempts(), 0);
}

TEST_F(GameClientTest, TheLongestAnswerTheGameCanSendIsJudged)
{
    ::Question question = askQuestion(3);
    // Every byte of it percent-encoded: a request line of about 12 kB, the size of the game's buffer.
    EXPECT_EQ(sayAnswer(question, std::string(4000, '.')).at(0), "0");
    EXPECT_EQ(open().countAttempts(), 1);
}
