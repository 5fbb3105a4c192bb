// Expiry times are wall-clock milliseconds (WallClock): every server reads them alike.
#include "DatabaseSessions.h"

#include "WallClock.h"

namespace quizd {

void DatabaseSessions::put(const TeacherSession& session, Clock::time_point now)
{
    connection_.with([&](Database& db) {
        db.prepare("DELETE FROM teacher_sessions WHERE expires_ms <= ?1").bind(1, WallClock::ms(now)).step();
        db.prepare("INSERT INTO teacher_sessions(token, form_token, teacher, expires_ms) VALUES(?1, ?2, ?3, ?4)")
            .bind(1, session.token)
            .bind(2, session.formToken)
            .bind(3, session.teacher)
            .bind(4, WallClock::ms(session.expires))
            .step();
    });
}

std::optional<TeacherSession> DatabaseSessions::find(const std::string& token, Clock::time_point now)
{
    return connection_.with([&](Database& db) -> std::optional<TeacherSession> {
        Statement s = db.prepare("SELECT form_token, teacher, expires_ms FROM teacher_sessions "
                                 "WHERE token = ?1 AND expires_ms > ?2");
        s.bind(1, token).bind(2, WallClock::ms(now));
        if (!s.step()) return std::nullopt;
        return TeacherSession{token, s.text(0), s.text(1), WallClock::steady(s.integer(2))};
    });
}

void DatabaseSessions::erase(const std::string& token)
{
    connection_.with([&](Database& db) { db.prepare("DELETE FROM teacher_sessions WHERE token = ?1").bind(1, token).step(); });
}

}
