// One connection to the database behind quizd, SQLite or PostgreSQL, and the statements lent out of it.
// The SQL the store speaks is written once for both: numbered parameters (?1), ON CONFLICT, no booleans
// in results; only the schema and the clock arithmetic differ, and callers ask dialect() for those.
#pragma once
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace quizd {

struct DatabaseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One compiled statement of a connection, kept for reuse.
class Query {
public:
    virtual ~Query() = default;
    virtual void bind(int index, long long value) = 0;
    virtual void bind(int index, const std::string& value) = 0;
    virtual bool step() = 0; // true while a row is there
    virtual long long integer(int column) const = 0;
    virtual std::string text(int column) const = 0;
    virtual void reset() = 0; // ready to be bound and run again
    bool inUse = false;
};

// A statement lent out of the connection's cache; handing it back resets it.
class Statement {
public:
    explicit Statement(Query& cached);
    explicit Statement(std::unique_ptr<Query> own); // for a statement already lent out
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, long long value);
    Statement& bind(int index, const std::string& value);
    bool step() { return query_->step(); }
    long long integer(int column) const { return query_->integer(column); }
    std::string text(int column) const { return query_->text(column); }

private:
    std::unique_ptr<Query> own_;
    Query* query_;
};

enum class Dialect { SQLite, PostgreSQL };

class Database {
public:
    virtual ~Database() = default;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    virtual Dialect dialect() const = 0;
    virtual void exec(const char* sql) = 0; // one or more statements without parameters
    // Parsing SQL costs more than running these small queries, so each text is prepared once.
    Statement prepare(const char* sql);
    // True once the file this connection writes to was deleted, renamed or replaced: what it writes
    // from then on is lost with the old file. Looks at the file only when a statement ran since the last
    // look (a connection that ran none read and wrote nothing there); once true, stays true.
    virtual bool fileMoved() { return false; }
    // Moves once each write of any SQLite connection in this process is committed (visible to other
    // connections): what was read before it may be out of date. Other processes' writes do not move it,
    // nor do PostgreSQL's, where other servers write too.
    static std::uint64_t commits();

    virtual void beginRead() = 0;  // several reads under one snapshot
    virtual void endRead() = 0;
    virtual void beginWrite() = 0; // one writer at a time, as SQLite's own lock has it
    virtual void commit() = 0;
    virtual void rollback() = 0;

protected:
    Database() = default;
    virtual std::unique_ptr<Query> compile(const char* sql) = 0;
    void clearStatements() { statements_.clear(); }
    static void noteCommitted();
    bool used_ = true; // a statement ran since fileMoved() last looked

private:
    std::unordered_map<std::string, std::unique_ptr<Query>> statements_;
};

// Several reads under one snapshot: one round of file locking instead of one per statement.
class ReadTransaction {
public:
    explicit ReadTransaction(Database& db) : db_(db) { db_.beginRead(); }
    ~ReadTransaction()
    {
        try {
            db_.endRead();
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
    explicit Transaction(Database& db) : db_(db) { db_.beginWrite(); }
    ~Transaction()
    {
        if (!done_) rollback();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit()
    {
        db_.commit();
        done_ = true;
    }

private:
    void rollback()
    {
        try {
            db_.rollback();
        } catch (const DatabaseError&) {
            // the connection already rolled back on its own (SQLite does on some errors), or is gone
        }
    }
    Database& db_;
    bool done_ = false;
};

}
