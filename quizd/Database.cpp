// The statement cache both kinds of connection share.
#include "Database.h"

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
