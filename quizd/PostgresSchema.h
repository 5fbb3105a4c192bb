// quizd's tables in PostgreSQL: the same tables and columns as in a school's SQLite file, with the
// types PostgreSQL names them by, plus the state several servers on one database share (teachers'
// sessions, failed log-ons). Times are kept as the same ISO 8601 text SQLite stamps.
#pragma once
#include "Database.h"

namespace quizd {

class PostgresSchema {
public:
    // create: make what is missing (quizd init); otherwise the tables must be there already.
    static void prepare(Database& db, bool create);
    // After rows were copied in with their ids: new rows number on from the highest.
    static void continueNumbering(Database& db);
};

}
