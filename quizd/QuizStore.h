// Everything quizd keeps: users, the question bank, the order each student saw, and every attempt.
#pragma once
#include "Database.h"
#include "Question.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quizd {

struct StudentResult {
    std::string username;
    long answered = 0;
    long right = 0;
    long wrong = 0;
    std::string firstAnswer; // UTC, ISO 8601; empty when none
    std::string lastAnswer;
    long stageReached = -1;    // the highest stage the game reported entering; -1: none
    std::string stageTitle;    // its words
    long secondsToFinish = -1; // game time of the first victory; -1: never finished
};

// The bank cannot take another question: the game carries a question's number in four digits.
struct BankFull : DatabaseError {
    BankFull() : DatabaseError("no máximo 9.999 questões: os números do jogo têm quatro dígitos") {}
};

// A question as a student is to see it: with the order of its alternatives already shown to that student.
struct Showing {
    Question question;
    std::optional<std::vector<int>> order; // nullopt: never shown to the student
};

struct ImportCount {
    int added = 0;
    int updated = 0;
};

class QuizStore {
public:
    // where: a SQLite file, or a postgresql:// URL. create: make the tables (quizd init); other
    // commands need them there already.
    QuizStore(const std::string& where, bool create = false);

    bool addUser(const std::string& username, const std::string& password); // false: password replaced
    // All or none, in one transaction; returns how many were new. Throws on a name UserName refuses.
    int addUsers(const std::vector<std::pair<std::string, std::string>>& users);
    // The same with each password already hashed (PasswordHash::make).
    int writeUsers(const std::vector<std::pair<std::string, std::string>>& namedHashes);
    bool addTeacher(const std::string& username, const std::string& password); // false: password replaced
    std::optional<std::string> teacherHash(const std::string& username);
    std::optional<long> findUser(const std::string& username);
    std::string passwordHash(long userId);
    void setLevel(long userId, long level);

    // All or none; throws BankFull when the new ones would not fit.
    ImportCount importQuestions(const std::vector<Question>& questions);
    std::optional<Question> question(long id);
    std::optional<long> nextQuestionFor(long userId);
    // The question nextQuestionFor picks, read in one statement (so one snapshot, with no transaction).
    std::optional<Showing> nextShowing(long userId);
    // That question (retired ones too) as the student is to see it, read in one statement.
    std::optional<Showing> showing(long userId, long questionId);
    // Reads made while the result lives see one snapshot of the database (and lock it once).
    std::unique_ptr<ReadTransaction> snapshot() { return std::make_unique<ReadTransaction>(*db_); }
    std::optional<std::vector<int>> storedOrder(long userId, long questionId);
    // Positions shown to the student -> indices in the bank; made (and kept) on first use.
    std::vector<int> displayOrder(long userId, const Question& q);
    void recordAttempt(long userId, long questionId, const std::string& answer, bool right);

    // The bank's editor. A fix keeps the old version (and the orders students saw it in) for the
    // answers already given to it; the game gets the new one from then on.
    std::vector<Question> questions(); // by id, retired ones too
    void fixQuestion(const Question& q);
    void setRetired(long id, bool retired);
    std::optional<Question> questionVersion(long id, long version);
    std::optional<std::vector<int>> orderOfVersion(long userId, long questionId, long version);

    std::vector<StudentResult> results();
    long countAttempts();
    Database& database() { return *db_; }

private:
    void createSchema();
    void checkSchema();
    void createTeachers();
    void addVersions();
    void refreshBank();
    std::optional<Showing> readShowing(const char* sql, const std::function<void(Statement&)>& bind);
    void bumpBankVersion();
    std::unique_ptr<Database> db_;
    long long bankVersion_ = -1;
    std::map<long, Question> bank_; // the questions table, read again only after an import
};

}
