// SQL behind the quiz: every write is one transaction, so a killed server leaves whole rows only.
#include "QuizStore.h"

#include "Databases.h"
#include "EventStore.h"
#include "PasswordHash.h"
#include "PostgresSchema.h"
#include "UserName.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <tuple>

namespace quizd {
namespace {

const long kMaxQuestionId = 9999; // the game carries the id as four characters

std::string join(const std::vector<std::string>& parts)
{
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? "\t" : "") + parts[i];
    return out;
}

std::vector<std::string> split(const std::string& s)
{
    std::vector<std::string> parts;
    if (s.empty()) return parts;
    std::size_t start = 0;
    for (std::size_t at; (at = s.find('\t', start)) != std::string::npos; start = at + 1)
        parts.push_back(s.substr(start, at - start));
    parts.push_back(s.substr(start));
    return parts;
}

template <class T, class F>
std::vector<std::string> mapToText(const std::vector<T>& items, F f)
{
    std::vector<std::string> out;
    for (const T& item : items) out.push_back(f(item));
    return out;
}

std::string encodeAnswers(const Question& q)
{
    switch (q.kind) {
    case Kind::Text: return join(q.acceptedTexts);
    case Kind::Number:
        return join(mapToText(q.acceptedNumbers, [](const NumberRange& r) {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.17g:%.17g", r.low, r.high);
            return std::string(buf);
        }));
    default: return join(mapToText(q.rightAlternatives, [](int i) { return std::to_string(i); }));
    }
}

void decodeAnswers(Question& q, const std::string& answers)
{
    for (const std::string& a : split(answers)) {
        switch (q.kind) {
        case Kind::Text: q.acceptedTexts.push_back(a); break;
        case Kind::Number: {
            std::size_t colon = a.find(':');
            q.acceptedNumbers.push_back({std::strtod(a.c_str(), nullptr), std::strtod(a.c_str() + colon + 1, nullptr)});
            break;
        }
        default: q.rightAlternatives.push_back(std::atoi(a.c_str()));
        }
    }
}

// Columns: id, kind, text, alternatives, answers, shuffle, version, retired.
Question questionFrom(const Statement& row)
{
    Question q;
    q.id = long(row.integer(0));
    q.kind = Kind(row.text(1).at(0));
    q.text = row.text(2);
    q.alternatives = split(row.text(3));
    q.shuffle = row.integer(5) != 0;
    decodeAnswers(q, row.text(4));
    q.version = long(row.integer(6));
    q.retired = row.integer(7) != 0;
    return q;
}

std::vector<int> orderFrom(const std::string& text)
{
    std::vector<int> order;
    for (const std::string& p : split(text)) order.push_back(std::atoi(p.c_str()));
    return order;
}

std::vector<int> shuffledOrder(const Question& q)
{
    std::vector<int> order(q.alternatives.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = int(i);
    if (q.shuffle) {
        std::random_device seed;
        std::mt19937 rng(seed());
        std::shuffle(order.begin(), order.end(), rng);
    }
    return order;
}

}

QuizStore::QuizStore(const std::string& where, bool create) : db_(Databases::open(where, create))
{
    if (db_->dialect() == Dialect::PostgreSQL) PostgresSchema::prepare(*db_, create);
    else if (create) createSchema();
    else checkSchema();
}

void QuizStore::createSchema()
{
    db_->exec(R"(
        CREATE TABLE IF NOT EXISTS users(
            id INTEGER PRIMARY KEY,
            username TEXT NOT NULL UNIQUE,
            password_hash TEXT NOT NULL,
            level INTEGER NOT NULL DEFAULT 0);
        CREATE TABLE IF NOT EXISTS questions(
            id INTEGER PRIMARY KEY CHECK (id BETWEEN 1 AND 9999),
            kind TEXT NOT NULL,
            text TEXT NOT NULL UNIQUE,
            alternatives TEXT NOT NULL,
            answers TEXT NOT NULL,
            shuffle INTEGER NOT NULL);
        CREATE TABLE IF NOT EXISTS presentations(
            user_id INTEGER NOT NULL REFERENCES users(id),
            question_id INTEGER NOT NULL REFERENCES questions(id),
            display_order TEXT NOT NULL,
            PRIMARY KEY (user_id, question_id));
        CREATE TABLE IF NOT EXISTS attempts(
            id INTEGER PRIMARY KEY,
            user_id INTEGER NOT NULL REFERENCES users(id),
            question_id INTEGER NOT NULL REFERENCES questions(id),
            answer TEXT NOT NULL,
            is_right INTEGER NOT NULL,
            answered_at TEXT NOT NULL DEFAULT (strftime('%Y-%m-%dT%H:%M:%fZ', 'now')));
        CREATE INDEX IF NOT EXISTS attempts_by_user ON attempts(user_id, question_id);
        CREATE TABLE IF NOT EXISTS meta(
            key TEXT PRIMARY KEY,
            value INTEGER NOT NULL);
    )");
    createTeachers();
    addVersions();
    EventStore::prepare(*db_);
}

// Teachers sign in to the web page only; students never do, so the two live apart.
void QuizStore::createTeachers()
{
    db_->exec("CREATE TABLE IF NOT EXISTS teachers(id INTEGER PRIMARY KEY, username TEXT NOT NULL UNIQUE, "
             "password_hash TEXT NOT NULL)");
}

void QuizStore::checkSchema()
{
    Statement s = db_->prepare("SELECT count(*) FROM sqlite_master WHERE type='table' AND name IN "
                              "('users','questions','presentations','attempts','meta')");
    if (!s.step() || s.integer(0) != 5)
        throw DatabaseError("o banco nao foi preparado: rode 'quizd init' nele primeiro");
    Statement teachers = db_->prepare("SELECT count(*) FROM sqlite_master WHERE type='table' AND name='teachers'");
    if (teachers.step() && teachers.integer(0) == 0) createTeachers(); // a database from before the web page
    addVersions();
    EventStore::prepare(*db_);
}

// A database from before the bank's editor: each question so far is its own first version, asked, and
// every answer was given to that version.
void QuizStore::addVersions()
{
    auto present = [this] {
        Statement s = db_->prepare("SELECT count(*) FROM pragma_table_info('questions') WHERE name = 'version'");
        return s.step() && s.integer(0) == 1;
    };
    if (present()) return;
    Transaction t(*db_);
    if (present()) return; // another quizd upgraded it meanwhile
    db_->exec(R"(
        ALTER TABLE questions ADD COLUMN version INTEGER NOT NULL DEFAULT 1;
        ALTER TABLE questions ADD COLUMN retired INTEGER NOT NULL DEFAULT 0;
        ALTER TABLE attempts ADD COLUMN question_version INTEGER NOT NULL DEFAULT 1;
        CREATE TABLE question_versions(
            question_id INTEGER NOT NULL REFERENCES questions(id),
            version INTEGER NOT NULL,
            kind TEXT NOT NULL,
            text TEXT NOT NULL,
            alternatives TEXT NOT NULL,
            answers TEXT NOT NULL,
            shuffle INTEGER NOT NULL,
            PRIMARY KEY (question_id, version));
        CREATE TABLE version_orders(
            user_id INTEGER NOT NULL REFERENCES users(id),
            question_id INTEGER NOT NULL REFERENCES questions(id),
            version INTEGER NOT NULL,
            display_order TEXT NOT NULL,
            PRIMARY KEY (user_id, question_id, version));
    )");
    t.commit();
}

bool QuizStore::addUser(const std::string& username, const std::string& password)
{
    return addUsers({{username, password}}) == 1;
}

int QuizStore::addUsers(const std::vector<std::pair<std::string, std::string>>& users)
{
    std::vector<std::pair<std::string, std::string>> hashed;
    for (const auto& [name, password] : users)
        hashed.emplace_back(name, PasswordHash::make(password)); // slow: before the write lock is taken
    return writeUsers(hashed);
}

int QuizStore::writeUsers(const std::vector<std::pair<std::string, std::string>>& namedHashes)
{
    for (const auto& [name, hash] : namedHashes) {
        std::string why = UserName::problem(name);
        if (!why.empty()) throw DatabaseError(why + ": " + name);
    }
    int created = 0;
    Transaction t(*db_);
    for (const auto& [name, hash] : namedHashes) {
        if (!findUser(name)) ++created;
        db_->prepare("INSERT INTO users(username, password_hash) VALUES(?1, ?2) "
                    "ON CONFLICT(username) DO UPDATE SET password_hash = excluded.password_hash")
            .bind(1, name)
            .bind(2, hash)
            .step();
    }
    t.commit();
    return created;
}

bool QuizStore::addTeacher(const std::string& username, const std::string& password)
{
    std::string why = UserName::problem(username);
    if (!why.empty()) throw DatabaseError(why + ": " + username);
    if (password.empty()) throw DatabaseError("a conta de professor precisa de uma senha");
    std::string hash = PasswordHash::make(password);
    Transaction t(*db_);
    bool existed = teacherHash(username).has_value();
    db_->prepare("INSERT INTO teachers(username, password_hash) VALUES(?1, ?2) "
                "ON CONFLICT(username) DO UPDATE SET password_hash = excluded.password_hash")
        .bind(1, username)
        .bind(2, hash)
        .step();
    t.commit();
    return !existed;
}

std::optional<std::string> QuizStore::teacherHash(const std::string& username)
{
    Statement s = db_->prepare("SELECT password_hash FROM teachers WHERE username = ?1");
    s.bind(1, username);
    if (!s.step()) return std::nullopt;
    return s.text(0);
}

std::optional<long> QuizStore::findUser(const std::string& username)
{
    Statement s = db_->prepare("SELECT id FROM users WHERE username = ?1");
    s.bind(1, username);
    if (!s.step()) return std::nullopt;
    return long(s.integer(0));
}

std::string QuizStore::passwordHash(long userId)
{
    Statement s = db_->prepare("SELECT password_hash FROM users WHERE id = ?1");
    s.bind(1, userId);
    return s.step() ? s.text(0) : "";
}

void QuizStore::setLevel(long userId, long level)
{
    db_->prepare("UPDATE users SET level = ?2 WHERE id = ?1").bind(1, userId).bind(2, level).step();
}

ImportCount QuizStore::importQuestions(const std::vector<Question>& questions)
{
    ImportCount count;
    Transaction t(*db_);
    for (const Question& q : questions) {
        std::string alternatives = join(q.alternatives);
        Statement old = db_->prepare("SELECT id, alternatives, shuffle FROM questions WHERE text = ?1");
        old.bind(1, q.text);
        long long id = 0;
        if (old.step()) {
            id = old.integer(0);
            // A student's stored order only makes sense for the alternatives it was made for.
            if (old.text(1) != alternatives || old.integer(2) != q.shuffle)
                db_->prepare("DELETE FROM presentations WHERE question_id = ?1").bind(1, id).step();
            ++count.updated;
        } else {
            Statement last = db_->prepare("SELECT coalesce(max(id), 0) FROM questions");
            last.step();
            if (last.integer(0) >= kMaxQuestionId) throw BankFull();
            id = last.integer(0) + 1; // the bank's next number, as SQLite gives it on its own
            db_->prepare("INSERT INTO questions(id, kind, text, alternatives, answers, shuffle) "
                         "VALUES(?1, '', ?2, '', '', 0)")
                .bind(1, id)
                .bind(2, q.text)
                .step();
            ++count.added;
        }
        db_->prepare("UPDATE questions SET kind = ?2, alternatives = ?3, answers = ?4, shuffle = ?5 WHERE id = ?1")
            .bind(1, id)
            .bind(2, std::string(1, char(q.kind)))
            .bind(3, alternatives)
            .bind(4, encodeAnswers(q))
            .bind(5, q.shuffle ? 1 : 0)
            .step();
    }
    bumpBankVersion();
    t.commit();
    return count;
}

// Servers keep the bank in memory and reload it when this number moves.
void QuizStore::bumpBankVersion()
{
    db_->prepare("INSERT INTO meta(key, value) VALUES('bank_version', 1) "
                "ON CONFLICT(key) DO UPDATE SET value = meta.value + 1")
        .step();
}

void QuizStore::refreshBank()
{
    Statement version = db_->prepare("SELECT value FROM meta WHERE key = 'bank_version'");
    long long current = version.step() ? version.integer(0) : 0;
    if (current == bankVersion_) return;
    bank_.clear();
    Statement s = db_->prepare("SELECT id, kind, text, alternatives, answers, shuffle, version, retired FROM questions");
    while (s.step()) {
        Question q = questionFrom(s);
        bank_.emplace(q.id, q);
    }
    bankVersion_ = current;
}

std::optional<Question> QuizStore::question(long id)
{
    refreshBank();
    auto it = bank_.find(id);
    if (it == bank_.end()) return std::nullopt;
    return it->second;
}

std::optional<long> QuizStore::nextQuestionFor(long userId)
{
    std::optional<Showing> next = nextShowing(userId);
    if (!next) return std::nullopt;
    return next->question.id;
}

std::optional<Showing> QuizStore::nextShowing(long userId)
{
    // Not yet answered right first, then the least tried; ties are broken by a per-student
    // permutation of the ids, so a class does not all start on the same question. The permutation is
    // (id + student * 7919) * 2654435761 mod 4294967291, worked out in pieces that stay far inside 64 bits
    // whatever the student's number: PostgreSQL refuses a query whose integers overflow.
    const char* sql = R"(
        SELECT q.id, coalesce((SELECT value FROM meta WHERE key = 'bank_version'), 0), p.display_order IS NOT NULL,
               p.display_order
        FROM (SELECT id, retired, (id + ?1 % 4294967291 * 7919) % 4294967291 AS spread FROM questions) q
        LEFT JOIN (SELECT question_id, max(is_right) AS got_right, count(*) AS tries FROM attempts
                   WHERE user_id = ?1 GROUP BY question_id) r ON r.question_id = q.id
        LEFT JOIN presentations p ON p.user_id = ?1 AND p.question_id = q.id
        WHERE q.retired = 0
        ORDER BY coalesce(r.got_right, 0), coalesce(r.tries, 0), (q.spread * 40503 % 4294967291 * 65536 + q.spread * 31153) % 4294967291
        LIMIT 1)";
    return readShowing(sql, [&](Statement& s) { s.bind(1, userId); });
}

std::optional<Showing> QuizStore::showing(long userId, long questionId)
{
    const char* sql = R"(
        SELECT q.id, coalesce((SELECT value FROM meta WHERE key = 'bank_version'), 0), p.display_order IS NOT NULL,
               p.display_order
        FROM questions q LEFT JOIN presentations p ON p.user_id = ?1 AND p.question_id = q.id
        WHERE q.id = ?2)";
    return readShowing(sql, [&](Statement& s) { s.bind(1, userId).bind(2, questionId); });
}

// A fetch is the server's most frequent request: one round trip to the database where each is dear
// (PostgreSQL). The bank in memory is used only when the statement saw the same bank version; a bank
// read while an import went on carries an older version than it holds, so the loop reads again.
// Columns: id, bank version, whether an order is stored, the order.
std::optional<Showing> QuizStore::readShowing(const char* sql, const std::function<void(Statement&)>& bind)
{
    for (;;) {
        Statement s = db_->prepare(sql);
        bind(s);
        if (!s.step()) return std::nullopt;
        if (s.integer(1) == bankVersion_) {
            auto it = bank_.find(long(s.integer(0)));
            if (it == bank_.end()) return std::nullopt;
            std::optional<std::vector<int>> order;
            if (s.integer(2)) order = orderFrom(s.text(3));
            return Showing{it->second, order};
        }
        refreshBank();
    }
}

std::optional<std::vector<int>> QuizStore::storedOrder(long userId, long questionId)
{
    Statement s = db_->prepare("SELECT display_order FROM presentations WHERE user_id = ?1 AND question_id = ?2");
    s.bind(1, userId).bind(2, questionId);
    if (!s.step()) return std::nullopt;
    return orderFrom(s.text(0));
}

std::vector<int> QuizStore::displayOrder(long userId, const Question& q)
{
    if (std::optional<std::vector<int>> stored = storedOrder(userId, q.id)) return *stored;
    std::vector<int> order = shuffledOrder(q);
    // Two fetches racing: the first order written wins, and both then read that one.
    db_->prepare("INSERT INTO presentations(user_id, question_id, display_order) VALUES(?1,?2,?3) "
                 "ON CONFLICT DO NOTHING")
        .bind(1, userId)
        .bind(2, q.id)
        .bind(3, join(mapToText(order, [](int i) { return std::to_string(i); })))
        .step();
    return storedOrder(userId, q.id).value_or(order);
}

void QuizStore::recordAttempt(long userId, long questionId, const std::string& answer, bool right)
{
    db_->prepare("INSERT INTO attempts(user_id, question_id, answer, is_right, question_version) "
                "VALUES(?1,?2,?3,?4,(SELECT version FROM questions WHERE id = ?2))")
        .bind(1, userId)
        .bind(2, questionId)
        .bind(3, answer)
        .bind(4, right ? 1 : 0)
        .step();
}

std::vector<StudentResult> QuizStore::results()
{
    Statement s = db_->prepare(R"(
        SELECT u.username, count(a.id), coalesce(sum(a.is_right), 0),
               coalesce(min(a.answered_at), ''), coalesce(max(a.answered_at), ''),
               coalesce(furthest.stage, -1), coalesce(furthest.title, ''),
               coalesce((SELECT game_seconds FROM events WHERE user_id = u.id AND kind = 'victory' ORDER BY id
                         LIMIT 1), -1)
        FROM users u LEFT JOIN attempts a ON a.user_id = u.id
        LEFT JOIN events furthest ON furthest.id =
            (SELECT id FROM events WHERE user_id = u.id AND kind = 'stage' ORDER BY stage DESC, id LIMIT 1)
        GROUP BY u.id, furthest.id ORDER BY u.username)");
    std::vector<StudentResult> out;
    while (s.step()) {
        StudentResult r;
        r.username = s.text(0);
        r.answered = long(s.integer(1));
        r.right = long(s.integer(2));
        r.wrong = r.answered - r.right;
        r.firstAnswer = s.text(3);
        r.lastAnswer = s.text(4);
        r.stageReached = long(s.integer(5));
        r.stageTitle = s.text(6);
        r.secondsToFinish = long(s.integer(7));
        out.push_back(r);
    }
    return out;
}

std::vector<Question> QuizStore::questions()
{
    refreshBank();
    std::vector<Question> all;
    for (const auto& entry : bank_) all.push_back(entry.second);
    return all;
}

void QuizStore::fixQuestion(const Question& q)
{
    Transaction t(*db_);
    std::optional<Question> old = question(q.id);
    if (!old) throw DatabaseError("a questao " + std::to_string(q.id) + " nao existe");
    db_->prepare("INSERT INTO question_versions(question_id, version, kind, text, alternatives, answers, shuffle) "
                 "SELECT id, version, kind, text, alternatives, answers, shuffle FROM questions WHERE id = ?1 "
                 "ON CONFLICT(question_id, version) DO UPDATE SET kind = excluded.kind, text = excluded.text, "
                 "alternatives = excluded.alternatives, answers = excluded.answers, shuffle = excluded.shuffle")
        .bind(1, q.id)
        .step();
    db_->prepare("INSERT INTO version_orders(user_id, question_id, version, display_order) "
                 "SELECT user_id, question_id, ?2, display_order FROM presentations WHERE question_id = ?1 "
                 "ON CONFLICT(user_id, question_id, version) DO UPDATE SET display_order = excluded.display_order")
        .bind(1, q.id)
        .bind(2, old->version)
        .step();
    if (old->alternatives != q.alternatives || old->shuffle != q.shuffle)
        db_->prepare("DELETE FROM presentations WHERE question_id = ?1").bind(1, q.id).step();
    db_->prepare("UPDATE questions SET kind = ?2, text = ?3, alternatives = ?4, answers = ?5, shuffle = ?6, "
                "version = version + 1 WHERE id = ?1")
        .bind(1, q.id)
        .bind(2, std::string(1, char(q.kind)))
        .bind(3, q.text)
        .bind(4, join(q.alternatives))
        .bind(5, encodeAnswers(q))
        .bind(6, q.shuffle ? 1 : 0)
        .step();
    bumpBankVersion();
    t.commit();
}

void QuizStore::setRetired(long id, bool retired)
{
    Transaction t(*db_);
    db_->prepare("UPDATE questions SET retired = ?2 WHERE id = ?1").bind(1, id).bind(2, retired ? 1 : 0).step();
    bumpBankVersion();
    t.commit();
}

std::optional<Question> QuizStore::questionVersion(long id, long version)
{
    std::optional<Question> current = question(id);
    if (current && current->version == version) return current;
    Statement s = db_->prepare("SELECT question_id, kind, text, alternatives, answers, shuffle, version, 0 "
                              "FROM question_versions WHERE question_id = ?1 AND version = ?2");
    s.bind(1, id).bind(2, version);
    if (!s.step()) return std::nullopt;
    return questionFrom(s);
}

std::optional<std::vector<int>> QuizStore::orderOfVersion(long userId, long questionId, long version)
{
    std::optional<Question> current = question(questionId);
    if (current && current->version == version) return storedOrder(userId, questionId);
    Statement s = db_->prepare("SELECT display_order FROM version_orders WHERE user_id = ?1 AND question_id = ?2 "
                              "AND version = ?3");
    s.bind(1, userId).bind(2, questionId).bind(3, version);
    if (!s.step()) return std::nullopt;
    return orderFrom(s.text(0));
}

long QuizStore::countAttempts()
{
    Statement s = db_->prepare("SELECT count(*) FROM attempts");
    s.step();
    return long(s.integer(0));
}

}
