// Choice answers are stored as the box positions the student ticked, and each student saw the
// alternatives in an order of their own: they are turned back into texts before anything is counted.
#include "ClassReport.h"

#include "codepage.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace quizd {

long ClassReport::bankSize()
{
    Statement s = store_.database().prepare("SELECT count(*) FROM questions WHERE retired = 0");
    s.step();
    return long(s.integer(0));
}

std::string ClassReport::shownAnswer(long userId, long questionId, long version, const std::string& answer)
{
    std::optional<Question> q = store_.questionVersion(questionId, version);
    if (!q || q->alternatives.empty()) return answer;
    std::vector<int> order = store_.orderOfVersion(userId, questionId, version).value_or(std::vector<int>());
    std::string shown;
    std::istringstream in(answer);
    for (std::string field; std::getline(in, field, '\t');) {
        if (field.empty()) continue;
        std::size_t position = field.find_first_not_of("0123456789") == std::string::npos && field.size() < 3
                                   ? std::size_t(std::stoi(field))
                                   : order.size();
        std::string text = position < order.size() && std::size_t(order[position]) < q->alternatives.size()
                               ? q->alternatives[std::size_t(order[position])]
                               : "?" + field;
        shown += (shown.empty() ? "" : " + ") + text;
    }
    return shown.empty() ? "(nada marcado)" : shown;
}

std::vector<StudentRow> ClassReport::students()
{
    auto snapshot = store_.snapshot();
    Statement s = store_.database().prepare(R"(
        SELECT u.id, u.username,
               (SELECT count(DISTINCT question_id) FROM attempts WHERE user_id = u.id AND is_right = 1),
               (SELECT count(*) FROM attempts WHERE user_id = u.id),
               (SELECT count(*) FROM attempts WHERE user_id = u.id AND is_right = 0),
               last.question_id, last.answer, last.is_right, last.answered_at, last.question_version
        FROM users u
        LEFT JOIN attempts last ON last.id = (SELECT max(id) FROM attempts WHERE user_id = u.id)
        ORDER BY u.username)");
    std::vector<StudentRow> rows;
    std::vector<long> versions;
    while (s.step()) {
        StudentRow r;
        r.id = long(s.integer(0));
        r.name = s.text(1);
        r.rightQuestions = long(s.integer(2));
        r.tries = long(s.integer(3));
        r.wrong = long(s.integer(4));
        r.lastQuestion = long(s.integer(5));
        r.lastAnswer = s.text(6);
        r.lastRight = s.integer(7) != 0;
        r.lastWhen = s.text(8);
        rows.push_back(r);
        versions.push_back(long(s.integer(9)));
    }
    for (std::size_t k = 0; k < rows.size(); ++k)
        if (rows[k].lastQuestion)
            rows[k].lastAnswer = shownAnswer(rows[k].id, rows[k].lastQuestion, versions[k], rows[k].lastAnswer);
    return rows;
}

std::vector<QuestionRow> ClassReport::questions()
{
    auto snapshot = store_.snapshot();
    std::map<long, QuestionRow> rows;
    {
        Statement q = store_.database().prepare("SELECT id, text, version, retired FROM questions ORDER BY id");
        while (q.step()) {
            QuestionRow row;
            row.id = long(q.integer(0));
            row.text = q.text(1);
            row.version = long(q.integer(2));
            row.retired = q.integer(3) != 0;
            rows[row.id] = row;
        }
    }
    struct Attempt {
        long user, question, version;
        std::string answer;
        bool right;
    };
    std::vector<Attempt> all;
    {
        Statement a = store_.database().prepare(
            "SELECT user_id, question_id, question_version, answer, is_right FROM attempts ORDER BY id");
        while (a.step())
            all.push_back({long(a.integer(0)), long(a.integer(1)), long(a.integer(2)), a.text(3), a.integer(4) != 0});
    }
    std::map<long, std::map<std::string, std::pair<std::string, long>>> wrong; // question -> folded -> (shown, n)
    std::map<std::pair<long, long>, bool> triedBefore;
    for (const Attempt& a : all) {
        QuestionRow& row = rows[a.question];
        ++row.tries;
        if (a.version != row.version) ++row.earlierTries;
        if (!triedBefore[{a.user, a.question}]) {
            triedBefore[{a.user, a.question}] = true;
            ++row.students;
            if (a.right) ++row.rightFirstTry;
        }
        if (a.right) continue;
        std::string shown = shownAnswer(a.user, a.question, a.version, a.answer);
        auto& entry = wrong[a.question][foldForComparison(shown)];
        if (entry.first.empty()) entry.first = shown;
        ++entry.second;
    }
    std::vector<QuestionRow> out;
    for (auto& [id, row] : rows) {
        std::vector<std::pair<std::string, long>> common;
        for (const auto& [folded, entry] : wrong[id]) common.push_back(entry);
        std::stable_sort(common.begin(), common.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        if (common.size() > 3) common.resize(3);
        row.commonWrong = common;
        out.push_back(row);
    }
    return out;
}

std::optional<std::string> ClassReport::studentName(long userId)
{
    Statement s = store_.database().prepare("SELECT username FROM users WHERE id = ?1");
    s.bind(1, userId);
    if (!s.step()) return std::nullopt;
    return s.text(0);
}

std::vector<AttemptRow> ClassReport::attempts(long userId)
{
    auto snapshot = store_.snapshot();
    Statement s = store_.database().prepare(R"(
        SELECT a.answered_at, a.question_id, coalesce(v.text, q.text, ''), v.version IS NOT NULL, a.answer,
               a.is_right, a.question_version
        FROM attempts a LEFT JOIN questions q ON q.id = a.question_id
        LEFT JOIN question_versions v ON v.question_id = a.question_id AND v.version = a.question_version
                                         AND v.version <> q.version
        WHERE a.user_id = ?1 ORDER BY a.id)");
    s.bind(1, userId);
    std::vector<AttemptRow> rows;
    std::vector<long> versions;
    while (s.step()) {
        rows.push_back({s.text(0), long(s.integer(1)), s.text(2), s.integer(3) != 0, s.text(4), s.integer(5) != 0});
        versions.push_back(long(s.integer(6)));
    }
    for (std::size_t k = 0; k < rows.size(); ++k)
        rows[k].answer = shownAnswer(userId, rows[k].questionId, versions[k], rows[k].answer);
    return rows;
}

}
