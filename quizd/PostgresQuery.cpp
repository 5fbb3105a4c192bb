// Results come back as text, so integers and text columns read as they do from SQLite; a boolean
// reads as 1 or 0.
#include "PostgresQuery.h"

#include <cstdlib>
#include <cstring>

namespace quizd {
namespace {

const Oid kInt8 = 20;
const Oid kText = 25;

}

PostgresQuery::PostgresQuery(PGconn* conn, std::string name, std::string sql)
    : conn_(conn), name_(std::move(name)), sql_(std::move(sql))
{
}

PostgresQuery::~PostgresQuery()
{
    PQclear(result_);
}

std::string PostgresQuery::trimmed(std::string message)
{
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
    return message;
}

std::string PostgresQuery::failure(PGconn* conn, const PGresult* result)
{
    std::string why = trimmed(result ? PQresultErrorMessage(result) : "");
    if (why.empty()) why = trimmed(PQerrorMessage(conn));
    if (PQstatus(conn) == CONNECTION_BAD) return "conexao com o PostgreSQL perdida: " + why;
    return "SQL: " + why;
}

void PostgresQuery::set(int index, std::string value, Oid type)
{
    std::size_t at = std::size_t(index - 1);
    if (values_.size() <= at) {
        values_.resize(at + 1);
        types_.resize(at + 1, kText);
    }
    values_[at] = std::move(value);
    types_[at] = type;
}

void PostgresQuery::bind(int index, long long value)
{
    set(index, std::to_string(value), kInt8);
}

void PostgresQuery::bind(int index, const std::string& value)
{
    set(index, value, kText);
}

void PostgresQuery::prepareOnServer()
{
    PGresult* r = PQprepare(conn_, name_.c_str(), sql_.c_str(), int(types_.size()), types_.data());
    bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
    std::string why = ok ? "" : failure(conn_, r);
    PQclear(r);
    if (!ok) throw DatabaseError(why);
    prepared_ = true;
}

void PostgresQuery::run()
{
    if (!prepared_) prepareOnServer();
    std::vector<const char*> values;
    for (const std::string& v : values_) values.push_back(v.c_str());
    result_ = PQexecPrepared(conn_, name_.c_str(), int(values.size()), values.data(), nullptr, nullptr, 0);
    ExecStatusType status = PQresultStatus(result_);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        std::string why = failure(conn_, result_);
        PQclear(result_);
        result_ = nullptr;
        throw DatabaseError(why);
    }
    row_ = -1;
}

bool PostgresQuery::step()
{
    if (!result_) run();
    return ++row_ < PQntuples(result_);
}

long long PostgresQuery::integer(int column) const
{
    if (PQgetisnull(result_, row_, column)) return 0;
    const char* v = PQgetvalue(result_, row_, column);
    if (std::strcmp(v, "t") == 0) return 1;
    if (std::strcmp(v, "f") == 0) return 0;
    return std::strtoll(v, nullptr, 10);
}

std::string PostgresQuery::text(int column) const
{
    if (PQgetisnull(result_, row_, column)) return "";
    return std::string(PQgetvalue(result_, row_, column), std::size_t(PQgetlength(result_, row_, column)));
}

void PostgresQuery::reset()
{
    PQclear(result_);
    result_ = nullptr;
    row_ = -1;
    values_.clear();
    types_.clear();
}

}
