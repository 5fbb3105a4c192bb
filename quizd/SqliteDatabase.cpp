// Statements are compiled once per connection and kept (SQLITE_PREPARE_PERSISTENT).
#include "SqliteDatabase.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quizd {

namespace {

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

// Called once SQLite is done with a statement: a write outside an open transaction is committed by
// then, and so is everything an ended transaction wrote.
bool committedBy(sqlite3* db, sqlite3_stmt* stmt)
{
    return sqlite3_get_autocommit(db) && (!stmt || !sqlite3_stmt_readonly(stmt));
}

class SqliteQuery : public Query {
public:
    SqliteQuery(sqlite3* db, const char* sql, void (*committed)()) : db_(db), committed_(committed)
    {
        if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) != SQLITE_OK)
            throw DatabaseError(std::string("SQL: ") + sqlite3_errmsg(db));
    }
    ~SqliteQuery() override { sqlite3_finalize(stmt_); }

    void bind(int index, long long value) override { sqlite3_bind_int64(stmt_, index, value); }
    void bind(int index, const std::string& value) override
    {
        sqlite3_bind_text(stmt_, index, value.data(), int(value.size()), SQLITE_TRANSIENT);
    }
    bool step() override
    {
        int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) {
            if (committedBy(db_, stmt_)) committed_();
            return false;
        }
        throw DatabaseError(std::string("SQL: ") + sqlite3_errmsg(db_));
    }
    long long integer(int column) const override { return sqlite3_column_int64(stmt_, column); }
    std::string text(int column) const override
    {
        const unsigned char* t = sqlite3_column_text(stmt_, column);
        return t ? std::string(reinterpret_cast<const char*>(t), std::size_t(sqlite3_column_bytes(stmt_, column)))
                 : "";
    }
    void reset() override
    {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }

private:
    sqlite3* db_;
    void (*committed_)();
    sqlite3_stmt* stmt_ = nullptr;
};

}

SqliteDatabase::SqliteDatabase(const std::string& path, bool create)
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

SqliteDatabase::~SqliteDatabase()
{
    clearStatements(); // finalised before the connection they belong to
    sqlite3_close(db_);
}

bool SqliteDatabase::fileMoved()
{
    if (moved_ || !used_) return moved_;
    used_ = false;
    int moved = 0;
    moved_ = sqlite3_file_control(db_, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved != 0;
    return moved_;
}

std::unique_ptr<Query> SqliteDatabase::compile(const char* sql)
{
    return std::make_unique<SqliteQuery>(db_, sql, &Database::noteCommitted);
}

void SqliteDatabase::exec(const char* sql)
{
    used_ = true;
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string why = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw DatabaseError("SQL: " + why);
    }
    if (committedBy(db_, nullptr)) noteCommitted();
}

}
