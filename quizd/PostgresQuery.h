// One statement of a PostgreSQL connection: prepared on the server at its first run, with the
// parameter types of that run (integers as int8, text as text), and run again by name from then on.
#pragma once
#include "Database.h"

#include <libpq-fe.h>

#include <string>
#include <vector>

namespace quizd {

class PostgresQuery : public Query {
public:
    PostgresQuery(PGconn* conn, std::string name, std::string sql);
    ~PostgresQuery() override;

    void bind(int index, long long value) override;
    void bind(int index, const std::string& value) override;
    bool step() override;
    long long integer(int column) const override;
    std::string text(int column) const override;
    void reset() override;

    // The reason a result failed, and whether the connection went with it.
    static std::string failure(PGconn* conn, const PGresult* result);
    static std::string trimmed(std::string message); // libpq's messages end in a line feed

private:
    void set(int index, std::string value, Oid type);
    void prepareOnServer();
    void run();

    PGconn* conn_;
    std::string name_;
    std::string sql_;
    bool prepared_ = false;
    std::vector<std::string> values_;
    std::vector<Oid> types_;
    PGresult* result_ = nullptr;
    int row_ = -1;
};

}
