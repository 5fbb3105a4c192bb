// Where quizd's database is: "postgresql://..." or "postgres://..." names a PostgreSQL database (any
// libpq URL), anything else a SQLite file.
#pragma once
#include "Database.h"

#include <memory>
#include <string>

namespace quizd {

class Databases {
public:
    // create: make the SQLite file when missing; otherwise a missing file is an error.
    static std::unique_ptr<Database> open(const std::string& where, bool create);
    static bool isPostgres(const std::string& where);
    // where as it may be printed: a URL's password left out.
    static std::string shown(const std::string& where);
};

}
