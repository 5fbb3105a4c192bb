// The teacher's page through real sockets: who may sign in, the session cookie, the anti-forgery token,
// expiry, and students' text shown as text.
#include "QuizdTest.h"

#include "ClassReport.h"
#include "HttpServer.h"
#include "SetClock.h"

#include <algorithm>
#include <memory>
#include <regex>
#include <sstream>

using namespace quizd;

class TeacherSiteTest : public QuizdTest {
protected:
    void SetUp() override
    {
        QuizdTest::SetUp();
        importGift("Qual protocolo entrega p\xC3\xA1ginas? {=HTTP ~FTP ~SMTP ~DNS}\n\nDiga sim {=sim}\n");
        open().addUser("ana", "aluna");
        open().addTeacher("prof", "segredo");
        start(3600);
    }
    void TearDown() override
    {
        server_.reset();
        QuizdTest::TearDown();
    }
    void start(unsigned sessionSeconds)
    {
        server_.reset();
        server_ = another(sessionSeconds);
    }
    // A server on the same database and clock.
    std::unique_ptr<HttpServer> another(unsigned sessionSeconds = 3600)
    {
        ServerOptions options;
        options.address = "127.0.0.1";
        options.port = 0;
        options.sessionSeconds = sessionSeconds;
        options.now = clock_.now();
        return std::make_unique<HttpServer>(path_, options, log_);
    }
    // cookie: the session's value, or a whole "name=value" pair.
    std::string http(const std::string& method, const std::string& target, const std::string& cookie = "",
                     const std::string& form = "", const char* from = "127.0.0.1")
    {
        return httpTo(*server_, method, target, cookie, form, from);
    }
    std::string httpTo(HttpServer& server, const std::string& method, const std::string& target,
                       const std::string& cookie = "", const std::string& form = "", const char* from = "127.0.0.1")
    {
        std::string request = method + " " + target + " HTTP/1.1\r\nHost: quiz\r\nConnection: close\r\n";
        if (!cookie.empty())
            request += std::string("Cookie: ") + (cookie.find('=') == std::string::npos ? "quizd_sessao=" : "") + cookie + "\r\n";
        if (method == "POST")
            request += "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                       std::to_string(form.size()) + "\r\n";
        return exchange(server.port(), request + "\r\n" + form, from);
    }
    static std::string cookieIn(const std::string& reply, const std::string& name)
    {
        std::smatch m;
        return std::regex_search(reply, m, std::regex(name + "=([0-9a-f]+);")) ? m[1].str() : "";
    }
    static std::string status(const std::string& reply) { return reply.substr(9, 3); }
    // Signs prof in; returns the session cookie's value.
    std::string signIn() { return cookieIn(http("POST", "/entrar", "", "usuario=prof&senha=segredo"), "quizd_sessao"); }
    std::string formToken(const std::string& cookie)
    {
        std::smatch m;
        std::string page = http("GET", "/gerenciar", cookie);
        return std::regex_search(page, m, std::regex("name=\"token\" value=\"([0-9a-f]+)\"")) ? m[1].str() : "";
    }
    std::ostringstream log_;
    SetClock clock_;
    std::unique_ptr<HttpServer> server_;
};

TEST_F(TeacherSiteTest, OnlyTeachersSignInWithARandomStrictHttpOnlyCookie)
{
    struct Case {
        const char* form;
        const char* status;
    };
    const Case refused[] = {
        {"usuario=prof&senha=errada", "403"},
        {"usuario=ana&senha=aluna", "403"}, // a student's account
        {"usuario=ninguem&senha=x", "403"},
        {"usuario=prof", "403"},
    };
    for (const Case& c : refused) {
        std::string reply = http("POST", "/entrar", "", c.form);
        EXPECT_EQ(status(reply), c.status) << c.form;
        EXPECT_EQ(reply.find("Set-Cookie"), std::string::npos) << c.form;
        EXPECT_NE(reply.find("Usuário ou senha inválidos"), std::string::npos) << c.form;
    }
    std::string reply = http("POST", "/entrar", "", "usuario=prof&senha=segredo");
    EXPECT_EQ(status(reply), "303");
    std::regex cookie("Set-Cookie: quizd_sessao=[0-9a-f]{64}; Path=/; HttpOnly; SameSite=Strict; Max-Age=3600\r\n");
    EXPECT_TRUE(std::regex_search(reply, cookie)) << reply;
    EXPECT_NE(signIn(), signIn());
    EXPECT_EQ(log_.str().find("segredo"), std::string::npos);
}

TEST_F(TeacherSiteTest, PagesNeedASessionAndChangesNeedItsToken)
{
    EXPECT_EQ(status(http("GET", "/")), "303");
    EXPECT_EQ(status(http("GET", "/resultados.csv", std::string(64, 'a'))), "401");
    std::string cookie = signIn();
    std::string token = formToken(cookie);
    ASSERT_EQ(token.size(), 64u);
    struct Case {
        std::string cookie, form, status;
    };
    const Case cases[] = {
        {cookie, "usuario=caio&senha=x", "403"},                             // no token
        {cookie, "usuario=caio&senha=x&token=" + std::string(64, '0'), "403"}, // someone else's
        {cookie, "usuario=caio&senha=x&token=", "403"},
        {"", "usuario=caio&senha=x&token=" + token, "403"},                  // no session
        {cookie, "usuario=caio&senha=x&token=" + token, "200"},
    };
    for (const Case& c : cases) {
        bool before = open().findUser("caio").has_value();
        EXPECT_EQ(status(http("POST", "/aluno", c.cookie, c.form)), c.status) << c.form;
        EXPECT_EQ(open().findUser("caio").has_value(), c.status == "200" || before) << c.form;
    }
    EXPECT_EQ(status(http("POST", "/sair", cookie, "token=" + token)), "303");
    EXPECT_EQ(status(http("GET", "/", cookie)), "401");
}

TEST_F(TeacherSiteTest, DuringALockTheRightPasswordGetsTheGuessersReplyButTheTeachersBrowserGetsIn)
{
    std::string browser = "quizd_navegador=" + cookieIn(http("POST", "/entrar", "", "usuario=prof&senha=segredo"),
                                                        "quizd_navegador");
    ASSERT_EQ(browser.size(), 16u + 64u);
    std::string guess;
    for (int k = 0; k < 30; ++k)
        guess = http("POST", "/entrar", "", "usuario=prof&senha=chute" + std::to_string(k), "127.0.0.2");
    std::string right = http("POST", "/entrar", "", "usuario=prof&senha=segredo", "127.0.0.2");
    EXPECT_EQ(status(right), "429");
    EXPECT_EQ(right.find("quizd_sessao="), std::string::npos);
    EXPECT_EQ(withoutNumbers(right), withoutNumbers(guess));

    std::string reply = http("POST", "/entrar", browser, "usuario=prof&senha=segredo");
    EXPECT_EQ(status(reply), "303");
    std::string session = cookieIn(reply, "quizd_sessao");
    // The teacher sees the lock and lifts it with the page's token.
    std::string page = http("GET", "/", session);
    EXPECT_NE(page.find("Entradas bloqueadas"), std::string::npos);
    EXPECT_NE(page.find("professor prof"), std::string::npos);
    EXPECT_EQ(status(http("POST", "/liberar", session, "tipo=nome&chave=professor%3Aprof")), "403");
    EXPECT_EQ(status(http("POST", "/liberar", session, "tipo=nome&chave=professor%3Aprof&token=" + formToken(session))),
              "303");
    EXPECT_EQ(http("GET", "/", session).find("Entradas bloqueadas"), std::string::npos);
    EXPECT_EQ(status(http("POST", "/entrar", "", "usuario=prof&senha=segredo", "127.0.0.2")), "303");
}

TEST_F(TeacherSiteTest, AClassListIsSavedInTheBackgroundWhileThePageFollowsIt)
{
    std::string cookie = signIn();
    std::string token = formToken(cookie);
    std::string broken = http("POST", "/turma", cookie, "token=" + token + "&arquivo=bia%2Cum%0Acaio%0A");
    EXPECT_EQ(status(broken), "422");
    EXPECT_NE(broken.find("Nenhum aluno gravado"), std::string::npos);
    std::string list = "usuario%2Csenha%0A";
    for (int k = 0; k < 12; ++k) list += "aluno" + std::to_string(k) + "%2Csenha" + std::to_string(k) + "%0A";
    std::string started = http("POST", "/turma", cookie, "token=" + token + "&arquivo=" + list);
    EXPECT_EQ(status(started), "303");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(started, m, std::regex("Location: (/turma\\?id=[0-9]+)\r\n")));
    std::string page = http("GET", m[1].str(), cookie);
    for (int k = 0; k < 1200 && page.find("alunos gravados") == std::string::npos; ++k) {
        EXPECT_NE(page.find("Preparando as senhas"), std::string::npos);
        std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the page itself reloads every second
        page = http("GET", m[1].str(), cookie);
    }
    EXPECT_NE(page.find("12 alunos gravados"), std::string::npos);
    EXPECT_EQ(bodyOf(exchange(server_->port(), "GET /play.php?msg=l&username=aluno11&password=senha11 HTTP/1.0\n\n")),
              "1");
    EXPECT_EQ(status(http("GET", "/turma?id=99", cookie)), "404");
}

TEST_F(TeacherSiteTest, AFullBankSaysWhyAndKeepsWhatItHad)
{
    Databases::open(path_, false)->prepare("UPDATE questions SET id = 9999 WHERE id = 2").step();
    std::string cookie = signIn();
    std::string reply = http("POST", "/importar", cookie, "token=" + formToken(cookie) + "&arquivo=Nova+%7B%3Dsim%7D");
    EXPECT_EQ(status(reply), "422");
    EXPECT_NE(reply.find("no máximo 9.999 questões: os números do jogo têm quatro dígitos"), std::string::npos);
    QuizStore store = open();
    EXPECT_EQ(ClassReport(store).bankSize(), 2);
}

TEST_F(TeacherSiteTest, AnExpiredSessionSignsOut)
{
    start(1);
    std::string cookie = signIn();
    EXPECT_EQ(status(http("GET", "/", cookie)), "200");
    clock_.advance(std::chrono::milliseconds(999));
    EXPECT_EQ(status(http("GET", "/", cookie)), "200");
    clock_.advance(std::chrono::milliseconds(1));
    std::string reply = http("GET", "/", cookie);
    EXPECT_EQ(status(reply), "401");
    EXPECT_NE(reply.find("Sua sessão expirou"), std::string::npos);
}

TEST_F(TeacherSiteTest, AStudentsAnswerOrAStageTitleIsShownAsTextNeverRunAsPage)
{
    std::string attack = "%3Cscript%3Ealert(1)%3C%2Fscript%3E%22%27%3E%3Cimg%20src%3Dx%3E";
    exchange(server_->port(), "GET /play.php?msg=r&username=ana&password=aluna&id=2&resposta=" + attack +
                                  " HTTP/1.0\n\n");
    exchange(server_->port(), "GET /play.php?msg=e&username=ana&password=aluna&event=stage&stage=2&title=" + attack +
                                  "&life=9&time=1 HTTP/1.0\n\n");
    std::string cookie = signIn();
    for (const char* page : {"/", "/questoes", "/aluno?id=1"}) {
        std::string reply = http("GET", page, cookie);
        EXPECT_EQ(status(reply), "200") << page;
        EXPECT_EQ(reply.find("<script>"), std::string::npos) << page;
        EXPECT_EQ(reply.find("<img"), std::string::npos) << page;
        EXPECT_NE(reply.find("&lt;script&gt;alert(1)&lt;/script&gt;&quot;&#39;&gt;&lt;img src=x&gt;"),
                  std::string::npos) << page;
        EXPECT_NE(reply.find("Content-Security-Policy: default-src 'none'"), std::string::npos) << page;
    }
    EXPECT_NE(http("GET", "/aluno?id=1", cookie).find("linha-do-tempo"), std::string::npos); // the title was shown
}

TEST_F(TeacherSiteTest, WrongAnswersAreCountedByTheAlternativeTheStudentsSaw)
{
    // Each student sees the alternatives in an order of their own and answers with a box position.
    QuizStore store = open();
    store.addUsers({{"bia", "x"}, {"caio", "x"}});
    Question q = *store.question(1);
    for (const char* name : {"ana", "bia", "caio"}) {
        long id = *store.findUser(name);
        std::vector<int> order = store.displayOrder(id, q);
        int ftp = int(std::find(order.begin(), order.end(), 1) - order.begin()); // FTP is the bank's second
        store.recordAttempt(id, 1, std::to_string(ftp), false);
    }
    std::vector<QuestionRow> rows = ClassReport(store).questions();
    ASSERT_EQ(rows.at(0).commonWrong.size(), 1u);
    EXPECT_EQ(rows[0].commonWrong[0], (std::pair<std::string, long>("FTP", 3)));
    EXPECT_EQ(rows[0].students, 3);
    EXPECT_EQ(rows[0].rightFirstTry, 0);
}

TEST_F(TeacherSiteTest, ResultsCsvDownloadNeedsASession)
{
    open().addUser("=HYPERLINK(\"http://x\")", "x");
    EXPECT_EQ(status(http("GET", "/resultados.csv")), "303");
    std::string reply = http("GET", "/resultados.csv", signIn());
    EXPECT_NE(reply.find("Content-Type: text/csv"), std::string::npos);
    EXPECT_NE(reply.find("Content-Disposition: attachment; filename=\"resultados.csv\""), std::string::npos);
    EXPECT_NE(bodyOf(reply).find("\"'=HYPERLINK("), std::string::npos);
}

TEST_F(TeacherSiteTest, TheBanksEditorTakesTheTokenAndShowsTextsAsText)
{
    std::string cookie = signIn();
    std::string token = formToken(cookie);
    std::string question = "tipo=escrita&texto=%3Cscript%3Ex%3C%2Fscript%3E&respostas=%3Cb%3E";
    EXPECT_EQ(status(http("POST", "/questao", cookie, question + "&acao=gravar")), "403");
    EXPECT_EQ(status(http("POST", "/questao/retirar", cookie, "id=1")), "403");
    EXPECT_EQ(status(http("GET", "/questoes.gift")), "303");
    std::string preview = http("POST", "/questao", cookie, question + "&acao=previa&token=" + token);
    EXPECT_EQ(status(preview), "200");
    EXPECT_EQ(preview.find("<script>"), std::string::npos);
    EXPECT_NE(preview.find("<div class=\"linha\">&lt;script&gt;x&lt;/script&gt;</div>"), std::string::npos);
    EXPECT_EQ(open().questions().size(), 2u) << "a preview writes nothing";
    EXPECT_EQ(status(http("POST", "/questao", cookie, question + "&acao=gravar&token=" + token)), "200");
    EXPECT_EQ(status(http("POST", "/questao/retirar", cookie, "id=1&token=" + token)), "200");
    std::vector<Question> bank = open().questions();
    ASSERT_EQ(bank.size(), 3u);
    EXPECT_TRUE(bank[0].retired);
    EXPECT_EQ(bank[2].text, "<script>x</script>");
    std::string gift = http("GET", "/questoes.gift", cookie);
    EXPECT_NE(gift.find("Content-Disposition: attachment; filename=\"questoes.gift\""), std::string::npos);
    EXPECT_EQ(gift.find("protocolo"), std::string::npos) << "the retired question";
    EXPECT_NE(gift.find("::Q0003::<script>x</script> { =<b> }"), std::string::npos);
}

TEST_F(TeacherSiteTest, OnOneSharedDatabaseEitherServerKnowsTheSessionAndTheClass)
{
    if (!onPostgres()) GTEST_SKIP() << "several servers share a PostgreSQL database only";
    std::unique_ptr<HttpServer> other = another();
    std::string cookie = signIn();
    EXPECT_EQ(status(http("GET", "/", cookie)), "200");
    std::string page = httpTo(*other, "GET", "/", cookie);
    EXPECT_EQ(status(page), "200");
    EXPECT_NE(page.find(">ana<"), std::string::npos);
    std::string token = formToken(cookie);
    EXPECT_EQ(status(httpTo(*other, "POST", "/sair", cookie, "token=" + token)), "303");
    EXPECT_EQ(status(http("GET", "/", cookie)), "401");
}

TEST_F(TeacherSiteTest, AChangedPasswordTakesEffectOnEveryServerWithinAMinute)
{
    std::unique_ptr<HttpServer> other = onPostgres() ? another() : nullptr;
    HttpServer& changing = other ? *other : *server_;
    auto logOn = [&](const char* password) {
        return status(http("GET", std::string("/play.php?msg=p&username=ana&password=") + password));
    };
    EXPECT_EQ(logOn("aluna"), "200");
    std::string cookie = signIn();
    std::string reply = httpTo(changing, "POST", "/aluno", cookie, "token=" + formToken(cookie) + "&usuario=ana&senha=nova");
    EXPECT_NE(reply.find("Senha trocada: ana."), std::string::npos);
    clock_.advance(std::chrono::seconds(60) + std::chrono::milliseconds(1));
    EXPECT_EQ(logOn("aluna"), "403");
    EXPECT_EQ(logOn("nova"), "200");
}
