// The bank's editor behind the page: the form's refusals, the GIFT it writes read back as the same bank,
// the kinds a spreadsheet row is read as, and fixes and retirements that keep every answer.
#include "QuizdTest.h"

#include "ClassReport.h"
#include "CsvQuestionImport.h"
#include "GiftWriter.h"
#include "QuestionForm.h"

#include <sqlite3.h>

#include <algorithm>

using namespace quizd;

namespace {

QuestionForm::Values choice(const std::string& kind, int alternatives)
{
    QuestionForm::Values v{{"tipo", kind}, {"texto", "Qual?"}, {"certa", "1"}, {"marca1", "sim"}, {"marca2", "sim"}};
    for (int k = 1; k <= alternatives; ++k) v["alt" + std::to_string(k)] = "opção " + std::to_string(k);
    return v;
}

QuestionForm::Values with(QuestionForm::Values v, const std::string& field, const std::string& value)
{
    v[field] = value;
    return v;
}

}

TEST(QuestionForm, RefusesWhatTheGameCannotShowNextToTheField)
{
    QuestionForm::Values one = choice("uma", 3);
    struct Case {
        QuestionForm::Values values;
        std::string field, why;
    } cases[] = {
        {with(one, "texto", "Seta → aqui"), "texto", "U+2192"},
        {with(one, "texto", "broken \xC3"), "texto", "UTF-8"},
        {with(one, "texto", std::string(510, 'a') + "é"), "", ""}, // 511 bytes in the game's code page
        {with(one, "texto", std::string(512, 'a')), "texto", "512 bytes"},
        {with(one, "alt2", "Ω"), "alt2", "U+03A9"},
        {choice("uma", 6), "alt6", "no máximo 5"},
        {with(one, "certa", ""), "certa", "marque a alternativa certa"},
        {with(one, "certa", "5"), "certa", "marque a alternativa certa"},
        {with(choice("varias", 3), "marca2", ""), "certa", "pelo menos duas"},
        {with(one, "alt3", "OPÇÃO 1"), "alt3", "repetida"},
        {choice("uma", 1), "alt1", "duas alternativas"},
        {{{"tipo", "vf"}, {"texto", "O céu é azul."}}, "vf", "verdadeiro ou falso"},
        {{{"tipo", "escrita"}, {"texto", "Qual?"}, {"respostas", "\n \n"}}, "respostas", "pelo menos uma"},
        {{{"tipo", "escrita"}, {"texto", "Qual?"}, {"respostas", "ok\n✓"}}, "respostas", "U+2713"},
        {{{"tipo", "numero"}, {"texto", "Quanto?"}, {"numero", "três"}}, "numero", "número"},
        {{{"tipo", "numero"}, {"texto", "Quanto?"}, {"numero", "3"}, {"tolerancia", "-1"}}, "tolerancia", "positivo"},
        {{{"tipo", "numero"}, {"texto", " \t "}, {"numero", "3"}}, "texto", "vazio"},
        {{{"tipo", "ensaio"}, {"texto", "Qual?"}}, "tipo", "tipo"},
    };
    for (const Case& c : cases) {
        QuestionForm form = QuestionForm::check(c.values);
        if (c.field.empty()) {
            EXPECT_TRUE(form.ok()) << form.errors().begin()->second;
            continue;
        }
        EXPECT_NE(form.error(c.field).find(c.why), std::string::npos)
            << c.field << ": " << (form.ok() ? "accepted" : form.errors().begin()->first + " " +
                                                               form.errors().begin()->second);
    }
}

TEST(QuestionForm, EachKindGivesTheGameItsQuestion)
{
    Question one = QuestionForm::check(with(choice("uma", 3), "certa", "2")).question();
    EXPECT_EQ(one.kind, Kind::OneChoice);
    EXPECT_EQ(one.rightAlternatives, std::vector<int>{1});
    Question several = QuestionForm::check(with(with(choice("varias", 4), "alt2", ""), "marca3", "sim")).question();
    EXPECT_EQ(several.kind, Kind::SeveralChoices);
    EXPECT_EQ(several.alternatives, (std::vector<std::string>{"opção 1", "opção 3", "opção 4"}));
    EXPECT_EQ(several.rightAlternatives, (std::vector<int>{0, 1})) << "the mark on the empty one counts not";
    Question truth = QuestionForm::check({{"tipo", "vf"}, {"texto", "Sim?"}, {"vf", "falso"}}).question();
    EXPECT_EQ(truth.alternatives, (std::vector<std::string>{"Verdadeiro", "Falso"}));
    EXPECT_FALSE(truth.shuffle);
    EXPECT_EQ(truth.rightAlternatives, std::vector<int>{1});
    Question text = QuestionForm::check({{"tipo", "escrita"}, {"texto", "A\tB\r\nC"}, {"respostas", "x\r\n\ny "}})
                        .question();
    EXPECT_EQ(text.text, "A B\nC") << "a tab would split the question on the wire";
    EXPECT_EQ(text.acceptedTexts, (std::vector<std::string>{"x", "y"}));
    Question number =
        QuestionForm::check({{"tipo", "numero"}, {"texto", "Pi?"}, {"numero", "3,14"}, {"tolerancia", "0,01"}})
            .question();
    EXPECT_DOUBLE_EQ(number.acceptedNumbers.at(0).low, 3.13);
    EXPECT_DOUBLE_EQ(number.acceptedNumbers.at(0).high, 3.15);
    for (const Question& q : {one, several, truth, text, number}) {
        QuestionForm again = QuestionForm::check(QuestionForm::of(q).values());
        EXPECT_TRUE(again.ok()) << q.text;
        EXPECT_EQ(GiftWriter::question(again.question()), GiftWriter::question(q)) << "a fix form that changes nothing";
    }
}

TEST(GiftWriter, TheBankReadsBackAsTheSameQuestions)
{
    const char* bank = "Uma {=a ~b ~c}\n\n"
                       "Marcas \\~ \\= \\# \\{ \\} \\: \\\\ e\\nlinha {=x \\{1\\} ~y \\= z}\n\n"
                       "\\[colchete] e 100% {T}\n\n"
                       "Falsa {F}\n\n"
                       "Tres certas {~%33.33333%a ~%33.33333%b ~%33.33333%c ~%-100%d}\n\n"
                       "Escrita {=Paris =paris, França =a-\\>b}\n\n"
                       "Numero {#=-2.5..0.1 =1e-7..3}\n\n"
                       "Pi {#3.14:0.01}\n\n"
                       "{=sim ~nao} vem primeiro\n";
    GiftParser::Result first = GiftParser().parse(bank);
    ASSERT_EQ(first.questions.size(), 9u) << first.problems.at(0).message << " at " << first.problems.at(0).line;
    std::string written = GiftWriter::write(first.questions);
    GiftParser::Result again = GiftParser().parse(written);
    ASSERT_TRUE(again.problems.empty()) << again.problems[0].message << "\n" << written;
    EXPECT_EQ(GiftWriter::write(again.questions), written);
    EXPECT_EQ(again.questions[1].text, "Marcas ~ = # { } : \\ e\nlinha");
    EXPECT_EQ(again.questions[2].text, "[colchete] e 100%");
    EXPECT_EQ(again.questions[4].rightAlternatives, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(again.questions[6].acceptedNumbers.at(1).low, 1e-7);
    EXPECT_EQ(first.questions[8].text, "_____ vem primeiro") << "no blank in front of the question";
}

TEST(CsvQuestionImport, TheKindFollowsFromTheRow)
{
    struct Case {
        const char* file;
        std::vector<std::string> kinds;
    } cases[] = {
        {"pergunta;certa;errada\nCapital?;Brasília;Rio;\"São; Paulo\"\nPrimos?;2|3;4\n", {"uma", "varias"}},
        {"Sol?,V\nLua?,falso\nPi?,\"3,14 ± 0,01\"\nSete?,7\nOuro?,Au|au\n", {"vf", "vf", "numero", "numero", "escrita"}},
        {"\"Duas\nlinhas?\";sim;n\xE3o\n\n;;\nAcento?;\xE9\n", {"uma", "escrita"}},
    };
    for (const Case& c : cases) {
        CsvQuestionImport::Result r = CsvQuestionImport::parse(c.file);
        EXPECT_TRUE(r.problems.empty()) << r.problems[0].message;
        std::vector<std::string> kinds;
        for (const CsvQuestionImport::Row& row : r.rows) kinds.push_back(row.kind);
        EXPECT_EQ(kinds, c.kinds) << c.file;
    }
    CsvQuestionImport::Result quoted = CsvQuestionImport::parse(cases[0].file);
    EXPECT_EQ(quoted.questions.at(0).alternatives.at(2), "São; Paulo");
    CsvQuestionImport::Result latin = CsvQuestionImport::parse(cases[2].file);
    EXPECT_EQ(latin.questions.at(0).alternatives.at(1), "não") << "Windows-1252 read as such";
    EXPECT_EQ(latin.rows.at(1).line, 5) << "a row counts from where it starts in the file";
    CsvQuestionImport::Result own = CsvQuestionImport::parse(CsvQuestionImport::templateFile());
    EXPECT_TRUE(own.problems.empty());
    EXPECT_EQ(own.questions.size(), 6u);
}

class BankVersionsTest : public QuizdTest {};

TEST_F(BankVersionsTest, AFixKeepsTheAnswersGivenToTheVersionBefore)
{
    importGift("Capital? {=Rio ~Recife ~Natal}\n\nOutra {=a ~b}\n");
    QuizStore store = open();
    long ana = (store.addUser("ana", "x"), *store.findUser("ana"));
    std::optional<Question> before = store.question(1);
    std::vector<int> order = store.displayOrder(ana, *before);
    int rio = int(std::find(order.begin(), order.end(), 0) - order.begin());
    store.recordAttempt(ana, 1, std::to_string(rio), true);

    Question fixed = *before;
    fixed.text = "Capital do Brasil?";
    fixed.alternatives = {"Brasília", "Rio"};
    fixed.rightAlternatives = {0};
    store.fixQuestion(fixed);
    std::optional<Question> now = open().question(1);
    EXPECT_EQ(now->text, "Capital do Brasil?");
    EXPECT_EQ(now->version, 2);
    EXPECT_FALSE(store.storedOrder(ana, 1)) << "an order made for three alternatives";
    EXPECT_EQ(store.results().at(0).right, 1);
    ClassReport report(store);
    std::vector<AttemptRow> attempts = report.attempts(ana);
    EXPECT_EQ(attempts.at(0).questionText, "Capital?");
    EXPECT_TRUE(attempts.at(0).earlierVersion);
    EXPECT_EQ(attempts.at(0).answer, "Rio") << "the box ticked, read in the version the student saw";
    EXPECT_EQ(report.questions().at(0).earlierTries, 1);
    EXPECT_EQ(report.students().at(0).rightQuestions, 1);

    store.setRetired(2, true);
    EXPECT_EQ(report.bankSize(), 1);
    EXPECT_EQ(open().nextQuestionFor(ana), 1) << "the retired one, untried, is not asked";
    store.setRetired(2, false);
    EXPECT_EQ(open().nextQuestionFor(ana), 2);
}

TEST_F(BankVersionsTest, ADatabaseFromBeforeTheEditorIsUpgradedWithItsData)
{
    if (onPostgres()) GTEST_SKIP() << "a SQLite file from before the editor";
    std::filesystem::remove(path_);
    sqlite3* db = nullptr;
    sqlite3_open(path_.c_str(), &db);
    sqlite3_exec(db, R"(
        CREATE TABLE users(id INTEGER PRIMARY KEY, username TEXT NOT NULL UNIQUE, password_hash TEXT NOT NULL,
                           level INTEGER NOT NULL DEFAULT 0);
        CREATE TABLE questions(id INTEGER PRIMARY KEY CHECK (id BETWEEN 1 AND 9999), kind TEXT NOT NULL,
                               text TEXT NOT NULL UNIQUE, alternatives TEXT NOT NULL, answers TEXT NOT NULL,
                               shuffle INTEGER NOT NULL);
        CREATE TABLE presentations(user_id INTEGER NOT NULL, question_id INTEGER NOT NULL,
                                   display_order TEXT NOT NULL, PRIMARY KEY (user_id, question_id));
        CREATE TABLE attempts(id INTEGER PRIMARY KEY, user_id INTEGER NOT NULL, question_id INTEGER NOT NULL,
                              answer TEXT NOT NULL, is_right INTEGER NOT NULL, answered_at TEXT NOT NULL DEFAULT '');
        CREATE TABLE meta(key TEXT PRIMARY KEY, value INTEGER NOT NULL);
        INSERT INTO users VALUES (1, 'ana', 'h', 0);
        INSERT INTO questions VALUES (1, '1', 'Ouro?', '', 'Au', 1);
        INSERT INTO attempts VALUES (1, 1, 1, 'au', 1, '2026-01-01');
    )", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    QuizStore store = open();
    EXPECT_EQ(store.question(1)->acceptedTexts, std::vector<std::string>{"Au"});
    EXPECT_EQ(store.results().at(0).right, 1);
    Question fixed = *store.question(1);
    fixed.text = "Símbolo do ouro?";
    store.fixQuestion(fixed);
    EXPECT_EQ(ClassReport(store).attempts(1).at(0).questionText, "Ouro?");
}
