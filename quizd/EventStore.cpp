// Ages are worked out by the database from the same clock that stamps the rows, so a page's "how long" never
// mixes two clocks. They count the clock's whole seconds from the arrival's to the read's: the difference of
// two ages is then that of the arrival times the page shows, whenever it is read and on whichever server.
#include "EventStore.h"

namespace quizd {
namespace {

const char* kColumns = "SELECT e.user_id, e.game, e.kind, e.stage, e.title, e.life, e.game_seconds, e.received_at, ";
const char* kSqliteAge = "CAST(strftime('%s', 'now') AS INTEGER) - CAST(strftime('%s', e.received_at) AS INTEGER) ";
const char* kPostgresAge = "CAST(floor(extract(epoch FROM clock_timestamp())) - "
                           "floor(extract(epoch FROM CAST(e.received_at AS timestamptz))) AS BIGINT) ";

}

void EventStore::prepare(Database& db)
{
    Statement exists = db.prepare("SELECT count(*) FROM sqlite_master WHERE type='table' AND name='events'");
    if (exists.step() && exists.integer(0) > 0) return;
    db.exec(R"(
        CREATE TABLE IF NOT EXISTS events(
            id INTEGER PRIMARY KEY,
            user_id INTEGER NOT NULL REFERENCES users(id),
            kind TEXT NOT NULL,
            stage INTEGER NOT NULL,
            title TEXT NOT NULL,
            life INTEGER NOT NULL,
            game_seconds INTEGER NOT NULL,
            game INTEGER NOT NULL,
            received_at TEXT NOT NULL DEFAULT (strftime('%Y-%m-%dT%H:%M:%fZ', 'now')));
        CREATE INDEX IF NOT EXISTS events_by_game ON events(user_id, game, id);
    )");
}

void EventStore::record(long userId, const GameEvent& e)
{
    // One statement, so two events of one student arriving at once still number their games right.
    db_.prepare("INSERT INTO events(user_id, kind, stage, title, life, game_seconds, game) "
                "SELECT ?1, ?2, ?3, ?4, ?5, ?6, coalesce((SELECT game + CAST((?6 < game_seconds OR kind = 'end') AS INTEGER) "
                "FROM events WHERE user_id = ?1 ORDER BY game DESC, id DESC LIMIT 1), 1)")
        .bind(1, userId)
        .bind(2, e.kind)
        .bind(3, e.stage)
        .bind(4, e.title)
        .bind(5, e.life)
        .bind(6, e.seconds)
        .step();
}

std::string EventStore::columns() const
{
    return std::string(kColumns) + (db_.dialect() == Dialect::PostgreSQL ? kPostgresAge : kSqliteAge);
}

StoredEvent EventStore::row(const Statement& s)
{
    StoredEvent r;
    r.userId = long(s.integer(0));
    r.game = int(s.integer(1));
    r.event.kind = s.text(2);
    r.event.stage = long(s.integer(3));
    r.event.title = s.text(4);
    r.event.life = long(s.integer(5));
    r.event.seconds = long(s.integer(6));
    r.receivedAt = s.text(7);
    r.age = long(s.integer(8));
    return r;
}

std::vector<StoredEvent> EventStore::latestGames()
{
    // CROSS JOIN keeps users as the outer loop: each student's latest game is then found through the
    // index, instead of the whole history being scanned.
    std::string sql = columns() +
                      "FROM users u CROSS JOIN events e WHERE e.user_id = u.id AND "
                      "e.game = (SELECT max(game) FROM events WHERE user_id = u.id) "
                      "ORDER BY e.user_id, e.id";
    Statement s = db_.prepare(sql.c_str());
    std::vector<StoredEvent> out;
    while (s.step()) out.push_back(row(s));
    return out;
}

std::vector<StoredEvent> EventStore::of(long userId)
{
    std::string sql = columns() + "FROM events e WHERE e.user_id = ?1 ORDER BY e.id";
    Statement s = db_.prepare(sql.c_str());
    s.bind(1, userId);
    std::vector<StoredEvent> out;
    while (s.step()) out.push_back(row(s));
    return out;
}

}
