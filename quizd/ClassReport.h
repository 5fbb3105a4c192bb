// What the teacher's page shows: the class at a glance, each question's record and each student's attempts.
#pragma once
#include "QuizStore.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quizd {

struct StudentRow {
    long id = 0;
    std::string name;
    long rightQuestions = 0; // distinct questions answered right at least once
    long tries = 0;
    long wrong = 0;
    long lastQuestion = 0;  // 0: no answer yet
    std::string lastAnswer; // as the student saw it (alternatives by their text)
    bool lastRight = false;
    std::string lastWhen; // UTC, ISO 8601
};

struct QuestionRow {
    long id = 0;
    std::string text;
    long version = 1;
    bool retired = false;
    long tries = 0;
    long earlierTries = 0; // of those, given to a version before a fix
    long students = 0;                                     // students who tried it
    long rightFirstTry = 0;                                // of those, right at their first try
    std::vector<std::pair<std::string, long>> commonWrong; // most frequent first, at most three
};

struct AttemptRow {
    std::string when;
    long questionId = 0;
    std::string questionText; // of the version answered
    bool earlierVersion = false; // the question was fixed since
    std::string answer;
    bool right = false;
};

class ClassReport {
public:
    explicit ClassReport(QuizStore& store) : store_(store) {}

    long bankSize(); // the questions still asked
    std::vector<StudentRow> students();
    std::vector<QuestionRow> questions();
    std::optional<std::string> studentName(long userId);
    std::vector<AttemptRow> attempts(long userId); // oldest first

    // An answer as the student saw it: ticked positions become the alternatives' texts.
    std::string shownAnswer(long userId, long questionId, long version, const std::string& answer);

private:
    QuizStore& store_;
};

}
