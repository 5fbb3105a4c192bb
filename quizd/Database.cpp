// The statement cache both kinds of connection share, and the choice between them.
#include "Database.h"

#include "PostgresDatabase.h"
#include "SqliteDatabase.h"

#include <atomic>

namespace quizd {
namespace {

std::atomic<std::uint64_t> committed{0};

}

Statement::Statement(Query& cached) : query_(&cached)
{
    cached.inUse = true;
}

Statement::Statement(std::unique_ptr<Query> own) : own_(std::move(own)), query_(own_.get()) {}

Statement::~Statement()
{
    if (own_) return;
    query_->reset();
    query_->inUse = false;
}

Statement& Statement::bind(int index, long long value)
{
    query_->bind(index, value);
    return *this;
}

Statement& Statement::bind(int index, const std::string& value)
{
    query_->bind(index, value);
    return *this;
}

bool Database::isPostgres(const std::string& where)
{
    return where.rfind("postgresql://", 0) == 0 || where.rfind("postgres://", 0) == 0;
}

std::string Database::shown(const std::string& where)
{
    if (!isPostgres(where)) return where;
    std::size_t start = where.find("://") + 3;
    std::size_t at = where.find('@', start);
    std::size_t colon = where.find(':', start);
    if (at == std::string::npos || colon == std::string::npos || colon > at) return where;
    return where.substr(0, colon) + where.substr(at);
}

std::unique_ptr<Database> Database::open(const std::string& where, bool create)
{
    if (isPostgres(where)) return std::make_unique<PostgresDatabase>(where);
    return std::make_unique<SqliteDatabase>(where, create);
}

std::uint64_t Database::commits()
{
    return committed.load(std::memory_order_acquire);
}

void Database::noteCommitted()
{
    committed.fetch_add(1, std::memory_order_release);
}

Statement Database::prepare(const char* sql)
{
    used_ = true;
    auto found = statements_.find(sql);
    if (found == statements_.end()) found = statements_.emplace(sql, compile(sql)).first; // may throw: nothing cached
    Query& cached = *found->second;
    if (cached.inUse) return Statement(compile(sql));
    return Statement(cached);
}

}
