// Write transactions take one advisory lock, so writers queue as they do on SQLite's file lock: the
// bank's numbering (max(id) + 1, at most 9999) stays as it is on SQLite, with no sequence gaps.
#include "PostgresDatabase.h"

#include "PostgresQuery.h"

#include <cstring>

namespace quizd {
namespace {

const char* kWriteLock = "SELECT pg_advisory_xact_lock(7170421)";

void quiet(void*, const char*) {} // "already exists, skipping" and the like

}

PostgresDatabase::PostgresDatabase(const std::string& url)
{
    // A server that does not answer must not hold a request for minutes; the URL may say otherwise, as
    // it may name the application. The texts are UTF-8 whatever the URL says.
    const char* keys[] = {"connect_timeout", "application_name", "dbname", "client_encoding", nullptr};
    const char* values[] = {"5", "quizd", url.c_str(), "UTF8", nullptr};
    conn_ = PQconnectdbParams(keys, values, 1);
    if (PQstatus(conn_) != CONNECTION_OK) {
        std::string why = PostgresQuery::trimmed(PQerrorMessage(conn_));
        PQfinish(conn_);
        throw DatabaseError("nao consegui conectar ao PostgreSQL: " + why);
    }
    PQsetNoticeProcessor(conn_, quiet, nullptr);
}

PostgresDatabase::~PostgresDatabase()
{
    clearStatements();
    PQfinish(conn_);
}

std::string PostgresDatabase::numbered(const char* sql)
{
    std::string out;
    char quote = 0;
    for (const char* c = sql; *c; ++c) {
        if (quote) {
            if (*c == quote) quote = 0;
        } else if (*c == '\'' || *c == '"') {
            quote = *c;
        } else if (*c == '?' && c[1] >= '0' && c[1] <= '9') {
            out += '$';
            continue;
        }
        out += *c;
    }
    return out;
}

std::unique_ptr<Query> PostgresDatabase::compile(const char* sql)
{
    return std::make_unique<PostgresQuery>(conn_, "q" + std::to_string(++compiled_), numbered(sql));
}

void PostgresDatabase::exec(const char* sql)
{
    PGresult* r = PQexec(conn_, sql);
    ExecStatusType status = PQresultStatus(r);
    bool ok = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    // COMMIT of a transaction that failed earlier succeeds as a ROLLBACK: nothing was written.
    bool rolledBack = ok && std::strcmp(sql, "COMMIT") == 0 && std::strcmp(PQcmdStatus(r), "ROLLBACK") == 0;
    std::string why = ok ? "" : PostgresQuery::failure(conn_, r);
    PQclear(r);
    if (!ok) throw DatabaseError(why);
    if (rolledBack) throw DatabaseError("SQL: a transacao foi desfeita");
}

void PostgresDatabase::beginRead()
{
    exec("BEGIN ISOLATION LEVEL REPEATABLE READ");
}

void PostgresDatabase::beginWrite()
{
    exec("BEGIN");
    try {
        exec(kWriteLock);
    } catch (const DatabaseError&) {
        rollback();
        throw;
    }
}

void PostgresDatabase::commit()
{
    exec("COMMIT");
}

void PostgresDatabase::rollback()
{
    exec("ROLLBACK");
}

}
