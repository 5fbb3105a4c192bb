// One PostgreSQL connection through libpq. Statements are prepared on the server once per connection,
// parameters always travel apart from the SQL. A lost connection fails the statement with a
// DatabaseError and leaves broken() true; the owner drops the connection and opens a new one.
#pragma once
#include "Database.h"

#include <libpq-fe.h>

namespace quizd {

class PostgresDatabase : public Database {
public:
    explicit PostgresDatabase(const std::string& url);
    ~PostgresDatabase() override;

    Dialect dialect() const override { return Dialect::PostgreSQL; }
    void exec(const char* sql) override;
    void beginRead() override;
    void endRead() override { commit(); }
    void beginWrite() override;
    void commit() override;
    void rollback() override;
    bool broken() const { return PQstatus(conn_) == CONNECTION_BAD; }

    // "?1" as libpq writes it: "$1". Quoted text is left alone.
    static std::string numbered(const char* sql);

protected:
    std::unique_ptr<Query> compile(const char* sql) override;

private:
    PGconn* conn_ = nullptr;
    int compiled_ = 0; // names the server-side statements
};

}
