#include "Databases.h"

#include "PostgresDatabase.h"
#include "SqliteDatabase.h"

namespace quizd {

bool Databases::isPostgres(const std::string& where)
{
    return where.rfind("postgresql://", 0) == 0 || where.rfind("postgres://", 0) == 0;
}

std::string Databases::shown(const std::string& where)
{
    if (!isPostgres(where)) return where;
    std::size_t start = where.find("://") + 3;
    std::size_t at = where.find('@', start);
    std::size_t colon = where.find(':', start);
    if (at == std::string::npos || colon == std::string::npos || colon > at) return where;
    return where.substr(0, colon) + where.substr(at);
}

std::unique_ptr<Database> Databases::open(const std::string& where, bool create)
{
    if (isPostgres(where)) return std::make_unique<PostgresDatabase>(where);
    return std::make_unique<SqliteDatabase>(where, create);
}

}
