// An update locks its row (made first when missing) for the read, the change and the write: two servers
// counting a failure of one name at once both count.
#include "DatabaseThrottleRecords.h"

#include "WallClock.h"

namespace quizd {

// Columns from column on: failures, last_failure_ms, blocked_until_ms.
ThrottleRecords::Record DatabaseThrottleRecords::recordFrom(const Statement& s, int column)
{
    return {int(s.integer(column)), WallClock::steady(s.integer(column + 1)), WallClock::steady(s.integer(column + 2))};
}

// One statement for both: each log-on pays one round trip to the database here, not two.
ThrottleRecords::Found DatabaseThrottleRecords::find(const std::string& name, const std::string& address)
{
    return connection_.with([&](Database& db) {
        Statement s = db.prepare("SELECT by_address, failures, last_failure_ms, blocked_until_ms FROM login_failures "
                                 "WHERE (by_address = 0 AND key = ?1) OR (by_address = 1 AND key = ?2)");
        s.bind(1, name).bind(2, address);
        Found found;
        while (s.step()) (s.integer(0) != 0 ? found.byAddress : found.byName) = recordFrom(s, 1);
        return found;
    });
}

void DatabaseThrottleRecords::update(bool byAddress, const std::string& key, Clock::time_point now,
                                     std::chrono::seconds forgetAfter, const std::function<void(Record&)>& change)
{
    connection_.with([&](Database& db) {
        long long quietSince = WallClock::ms(now - forgetAfter);
        db.prepare("DELETE FROM login_failures WHERE by_address = ?1 AND last_failure_ms < ?2 AND key <> ?3")
            .bind(1, byAddress ? 1 : 0)
            .bind(2, quietSince)
            .bind(3, key)
            .step();
        db.exec("BEGIN");
        db.prepare("INSERT INTO login_failures(by_address, key, failures, last_failure_ms, blocked_until_ms) "
                   "VALUES(?1, ?2, 0, 0, 0) ON CONFLICT DO NOTHING")
            .bind(1, byAddress ? 1 : 0)
            .bind(2, key)
            .step();
        Record r;
        {
            Statement s = db.prepare("SELECT failures, last_failure_ms, blocked_until_ms FROM login_failures "
                                     "WHERE by_address = ?1 AND key = ?2 FOR UPDATE");
            s.bind(1, byAddress ? 1 : 0).bind(2, key);
            if (s.step() && s.integer(1) > 0) r = recordFrom(s, 0);
        }
        change(r);
        db.prepare("UPDATE login_failures SET failures = ?3, last_failure_ms = ?4, blocked_until_ms = ?5 "
                   "WHERE by_address = ?1 AND key = ?2")
            .bind(1, byAddress ? 1 : 0)
            .bind(2, key)
            .bind(3, r.failures)
            .bind(4, WallClock::ms(r.lastFailure))
            .bind(5, WallClock::ms(r.blockedUntil))
            .step();
        db.commit();
    });
}

void DatabaseThrottleRecords::erase(bool byAddress, const std::string& key)
{
    connection_.with([&](Database& db) {
        db.prepare("DELETE FROM login_failures WHERE by_address = ?1 AND key = ?2")
            .bind(1, byAddress ? 1 : 0)
            .bind(2, key)
            .step();
    });
}

std::vector<ThrottleRecords::Entry> DatabaseThrottleRecords::blocked(Clock::time_point now)
{
    return connection_.with([&](Database& db) {
        Statement s = db.prepare("SELECT by_address, key, failures, last_failure_ms, blocked_until_ms "
                                 "FROM login_failures WHERE blocked_until_ms > ?1 ORDER BY by_address, key");
        s.bind(1, WallClock::ms(now));
        std::vector<Entry> out;
        while (s.step()) out.push_back({s.integer(0) != 0, s.text(1), recordFrom(s, 2)});
        return out;
    });
}

}
