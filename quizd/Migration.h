// Copies a whole school from one database to another (a SQLite file into PostgreSQL, or back): every
// table with its ids, in one transaction on the destination, checked by counting each table on both
// sides before it commits. The destination must hold no data yet.
#pragma once
#include "QuizStore.h"

#include <string>
#include <vector>

namespace quizd {

class Migration {
public:
    struct TableCount {
        std::string table;
        long long rows;
    };
    // Throws DatabaseError when the destination has data, or a count differs (nothing is then written).
    static std::vector<TableCount> copy(QuizStore& from, QuizStore& to);

private:
    struct Table {
        const char* name;
        const char* columns; // by spaces; "#" ends an integer column's name, the others are text
    };
    static const Table kTables[];
    static long long count(Database& db, const std::string& table);
    static void copyTable(const Table& table, Database& from, Database& to);
};

}
