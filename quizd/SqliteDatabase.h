// One SQLite connection set up for a server that must never lose an acknowledged answer: WAL, full sync.
#pragma once
#include "Database.h"

#include <sqlite3.h>

namespace quizd {

class SqliteDatabase : public Database {
public:
    SqliteDatabase(const std::string& path, bool create);
    ~SqliteDatabase() override;

    Dialect dialect() const override { return Dialect::SQLite; }
    void exec(const char* sql) override;
    bool fileMoved() override;
    void beginRead() override { prepare("BEGIN").step(); }
    void endRead() override { prepare("COMMIT").step(); } // a read-only statement: counts no commit
    void beginWrite() override { exec("BEGIN IMMEDIATE"); }
    void commit() override { exec("COMMIT"); }
    void rollback() override { exec("ROLLBACK"); }

protected:
    std::unique_ptr<Query> compile(const char* sql) override;

private:
    sqlite3* db_ = nullptr;
    bool moved_ = false;
};

}
