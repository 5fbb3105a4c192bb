// A thin RAII layer over one SQLite connection and its prepared statements.
#pragma once
#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace quizd {

struct DatabaseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A prepared statement lent out of the connection's cache; handing it back resets it.
class Statement {
public:
    struct Cached {
        sqlite3_stmt* stmt = nullptr;
        bool inUse = false;
    };
    Statement(sqlite3* db, Cached& cached);
    Statement(sqlite3* db, const char* sql); // uncached, for a statement already lent out
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, long long value);
    Statement& bind(int index, const std::string& value);
    bool step(); // true while a row is there
    long long integer(int column) const;
    std::string text(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    Cached* cached_ = nullptr;
};

class Database {
public:
    // create: make the file when missing; otherwise a missing file is an error.
    Database(const std::string& path, bool create);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const char* sql);
    // Parsing SQL costs more than running these small queries, so each text is prepared once.
    Statement prepare(const char* sql);
    long long lastInsertId() const { return sqlite3_last_insert_rowid(db_); }
    int changes() const { return sqlite3_changes(db_); }
    // True once the file this connection writes to was deleted, renamed or replaced: what it writes
    // from then on is lost with the old file. Looks at the file only when a statement ran since the last
    // look (a connection that ran none read and wrote nothing there); once true, stays true.
    bool fileMoved();
    // Moves once each write of any connection in this process is committed (visible to other
    // connections): what was read before it may be out of date. Other processes' writes do not move it.
    static std::uint64_t commits();

private:
    sqlite3* db_ = nullptr;
    bool usedSinceLook_ = true;
    bool moved_ = false;
    std::unordered_map<std::string, std::unique_ptr<Statement::Cached>> statements_;
};

// Several reads under one snapshot: one round of file locking instead of one per statement.
class ReadTransaction {
public:
    explicit ReadTransaction(Database& db) : db_(db) { db_.prepare("BEGIN").step(); }
    ~ReadTransaction()
    {
        try {
            db_.prepare("COMMIT").step();
        } catch (const DatabaseError&) {
            // nothing was written, so there is nothing to lose
        }
    }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    Database& db_;
};

// Commits at commit(); rolls back when left early (by an exception).
class Transaction {
public:
    explicit Transaction(Database& db) : db_(db) { db_.exec("BEGIN IMMEDIATE"); }
    ~Transaction()
    {
        if (!done_) rollback();
    }
    void commit()
    {
        db_.exec("COMMIT");
        done_ = true;
    }

private:
    void rollback()
    {
        try {
            db_.exec("ROLLBACK");
        } catch (const DatabaseError&) {
            // the connection already rolled back on its own (SQLite does on some errors)
        }
    }
    Database& db_;
    bool done_ = false;
};

}
