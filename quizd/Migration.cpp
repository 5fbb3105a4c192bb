// Tables go in the order their references need; teachers' sessions and failed log-ons are not copied:
// they last minutes, and a move is done with the servers stopped.
#include "Migration.h"

#include "PostgresSchema.h"

#include <sstream>

namespace quizd {

const Migration::Table Migration::kTables[] = {
    {"users", "id# username password_hash level#"},
    {"teachers", "id# username password_hash"},
    {"questions", "id# kind text alternatives answers shuffle# version# retired#"},
    {"presentations", "user_id# question_id# display_order"},
    {"attempts", "id# user_id# question_id# answer is_right# answered_at question_version#"},
    {"meta", "key value#"},
    {"question_versions", "question_id# version# kind text alternatives answers shuffle#"},
    {"version_orders", "user_id# question_id# version# display_order"},
    {"events", "id# user_id# kind stage# title life# game_seconds# game# received_at"},
};

long long Migration::count(Database& db, const std::string& table)
{
    Statement s = db.prepare(("SELECT count(*) FROM " + table).c_str());
    s.step();
    return s.integer(0);
}

void Migration::copyTable(const Table& table, Database& from, Database& to)
{
    std::vector<bool> integer;
    std::string columns, placeholders;
    std::istringstream words(table.columns);
    for (std::string column; words >> column;) {
        integer.push_back(column.back() == '#');
        if (integer.back()) column.pop_back();
        columns += (columns.empty() ? "" : ", ") + column;
        placeholders += (placeholders.empty() ? "?" : ", ?") + std::to_string(integer.size());
    }
    std::string insert = std::string("INSERT INTO ") + table.name + "(" + columns + ") VALUES(" + placeholders + ")";
    Statement rows = from.prepare(("SELECT " + columns + " FROM " + table.name).c_str());
    while (rows.step()) {
        Statement write = to.prepare(insert.c_str());
        for (int k = 0; k < int(integer.size()); ++k) {
            if (integer[std::size_t(k)]) write.bind(k + 1, rows.integer(k));
            else write.bind(k + 1, rows.text(k));
        }
        write.step();
    }
}

std::vector<Migration::TableCount> Migration::copy(QuizStore& from, QuizStore& to)
{
    Database& source = from.database();
    Database& destination = to.database();
    for (const Table& table : kTables)
        if (count(destination, table.name) > 0)
            throw DatabaseError(std::string("o destino ja tem dados (tabela ") + table.name +
                                "): a copia so vai para um banco vazio");
    std::vector<TableCount> counts;
    ReadTransaction snapshot(source);
    Transaction t(destination);
    for (const Table& table : kTables) {
        copyTable(table, source, destination);
        long long copied = count(destination, table.name);
        long long there = count(source, table.name);
        if (copied != there)
            throw DatabaseError(std::string("a tabela ") + table.name + " tem " + std::to_string(there) +
                                " linhas na origem e " + std::to_string(copied) + " no destino: nada foi gravado");
        counts.push_back({table.name, copied});
    }
    if (destination.dialect() == Dialect::PostgreSQL) PostgresSchema::continueNumbering(destination);
    t.commit();
    return counts;
}

}
