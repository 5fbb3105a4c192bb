// Ages are worked out by SQLite from the same clock that stamps the rows, so a page's "how long" never
// mixes two clocks.
#include "EventStore.h"

namespace quizd {
namespace {

const char* kColumns = "SELECT user_id, kind, stage, title, life, game_seconds, received_at, "
                       "CAST((julianday('now') - julianday(received_at)) * 86400 AS INTEGER) FROM events ";

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
            received_at TEXT NOT NULL DEFAULT (strftime('%Y-%m-%dT%H:%M:%fZ', 'now')));
        CREATE INDEX IF NOT EXISTS events_by_user ON events(user_id, id);
    )");
}

void EventStore::record(long userId, const GameEvent& e)
{
    db_.prepare("INSERT INTO events(user_id, kind, stage, title, life, game_seconds) VALUES(?1,?2,?3,?4,?5,?6)")
        .bind(1, userId)
        .bind(2, e.kind)
        .bind(3, e.stage)
        .bind(4, e.title)
        .bind(5, e.life)
        .bind(6, e.seconds)
        .step();
}

StoredEvent EventStore::row(const Statement& s)
{
    StoredEvent r;
    r.userId = long(s.integer(0));
    r.event.kind = s.text(1);
    r.event.stage = long(s.integer(2));
    r.event.title = s.text(3);
    r.event.life = long(s.integer(4));
    r.event.seconds = long(s.integer(5));
    r.receivedAt = s.text(6);
    r.age = long(s.integer(7));
    return r;
}

std::vector<StoredEvent> EventStore::all()
{
    static const std::string sql = std::string(kColumns) + "ORDER BY user_id, id";
    Statement s = db_.prepare(sql.c_str());
    std::vector<StoredEvent> out;
    while (s.step()) out.push_back(row(s));
    return out;
}

std::vector<StoredEvent> EventStore::of(long userId)
{
    static const std::string sql = std::string(kColumns) + "WHERE user_id = ?1 ORDER BY id";
    Statement s = db_.prepare(sql.c_str());
    s.bind(1, userId);
    std::vector<StoredEvent> out;
    while (s.step()) out.push_back(row(s));
    return out;
}

}
