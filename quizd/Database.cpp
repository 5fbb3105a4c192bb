// SQLite connection set up for a server that must never lose an acknowledged answer: WAL, full sync.
#include "Database.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>

namespace quizd {

namespace {

std::atomic<std::uint64_t> committed{0};

// Called once SQLite is done with a statement: a write outside an open transaction is committed by
// then, and so is everything an ended transaction wrote.
void noteCommit(sqlite3* db, sqlite3_stmt* stmt)
{
    if (sqlite3_get_autocommit(db) && (!stmt || !sqlite3_stmt_readonly(stmt)))
        committed.fetch_add(1, std::memory_order_release);
}

// Students' names, answers and password hashes: only the teacher's account may read them. SQLite gives
// the -wal and -shm files the mode of the database file, so making that one right is enough.
void makeOwnerOnly(const std::string& path)
{
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return; // sqlite3_open_v2 reports why
    fchmod(fd, 0600);
    close(fd);
    for (const char* suffix : {"-wal", "-shm"}) chmod((path + suffix).c_str(), 0600);
}

sqlite3_stmt* compile(sqlite3* db, const char* sql, unsigned flags)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(db, sql, -1, flags, &stmt, nullptr) != SQLITE_OK)
        throw DatabaseError(std::string("SQL: ") + sqlite3_errmsg(db));
    return stmt;
}

}

Statement::Statement(sqlite3* db, Cached& cached) : db_(db), stmt_(cached.stmt), cached_(&cached)
{
    cached.inUse = true;
}

Statement::Statement(sqlite3* db, const char* sql) : db_(db), stmt_(compile(db, sql, 0)) {}

Statement::~Statement()
{
    if (!cached_) {
        sqlite3_finalize(stmt_);
        return;
    }
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    cached_->inUse = false;
}

Statement& Statement::bind(int index, long long value)
{
    sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

Statement& Statement::bind(int index, const std::string& value)
{
    sqlite3_bind_text(stmt_, index, value.data(), int(value.size()), SQLITE_TRANSIENT);
    return *this;
}

bool Statement::step()
{
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) {
        noteCommit(db_, stmt_);
        return false;
    }
    throw DatabaseError(std::string("SQL: ") + sqlite3_errmsg(db_));
}

long long Statement::integer(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::text(int column) const
{
    const unsigned char* t = sqlite3_column_text(stmt_, column);
    return t ? std::string(reinterpret_cast<const char*>(t), sqlite3_column_bytes(stmt_, column)) : "";
}

Database::Database(const std::string& path, bool create)
{
    // SQLite's allocation statistics take a global mutex on every malloc; nothing here reads them.
    static const bool configured = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    (void)configured;
    if (create) makeOwnerOnly(path);
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        std::string why = db_ ? sqlite3_errmsg(db_) : "sem memoria";
        sqlite3_close(db_);
        throw DatabaseError("nao consegui abrir o banco " + path + ": " + why);
    }
    // SQLite falls back to reading only when the file is write-protected; such a connection would fail
    // every answer long after the file is writable again.
    if (sqlite3_db_readonly(db_, "main") == 1) {
        sqlite3_close(db_);
        throw DatabaseError("o banco " + path + " esta protegido contra escrita");
    }
    sqlite3_busy_timeout(db_, 10000);
    exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA foreign_keys=ON");
}

Database::~Database()
{
    for (auto& entry : statements_) sqlite3_finalize(entry.second->stmt);
    sqlite3_close(db_);
}

bool Database::fileMoved()
{
    if (moved_ || !usedSinceLook_) return moved_;
    usedSinceLook_ = false;
    int moved = 0;
    moved_ = sqlite3_file_control(db_, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved != 0;
    return moved_;
}

Statement Database::prepare(const char* sql)
{
    usedSinceLook_ = true;
    auto found = statements_.find(sql);
    if (found == statements_.end()) {
        auto cached = std::make_unique<Statement::Cached>();
        cached->stmt = compile(db_, sql, SQLITE_PREPARE_PERSISTENT); // may throw: nothing is cached then
        found = statements_.emplace(sql, std::move(cached)).first;
    }
    std::unique_ptr<Statement::Cached>& cached = found->second;
    if (cached->inUse) return Statement(db_, sql);
    return Statement(db_, *cached);
}

void Database::exec(const char* sql)
{
    usedSinceLook_ = true;
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string why = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw DatabaseError("SQL: " + why);
    }
    noteCommit(db_, nullptr);
}

std::uint64_t Database::commits()
{
    return committed.load(std::memory_order_acquire);
}

}
