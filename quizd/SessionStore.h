// Where teachers' sessions live: in the server's memory (a restart signs out), or in the database when
// several servers share one (a teacher's next page may come from any of them).
#pragma once
#include <chrono>
#include <optional>
#include <string>

namespace quizd {

struct TeacherSession {
    std::string token;     // the cookie's value
    std::string formToken; // the anti-forgery token
    std::string teacher;
    std::chrono::steady_clock::time_point expires;
};

class SessionStore {
public:
    using Clock = std::chrono::steady_clock;
    virtual ~SessionStore() = default;
    // Also forgets the sessions expired by now.
    virtual void put(const TeacherSession& session, Clock::time_point now) = 0;
    virtual std::optional<TeacherSession> find(const std::string& token, Clock::time_point now) = 0;
    virtual void erase(const std::string& token) = 0;
};

}
