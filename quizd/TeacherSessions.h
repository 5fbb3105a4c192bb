// Teachers' log-ins to the web page: a random session token (the cookie) and a random anti-forgery token
// that every form carrying a change must send back. Both end together when the session expires.
#pragma once
#include "SteadyClock.h"

#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

namespace quizd {

class TeacherSessions {
public:
    using Clock = std::chrono::steady_clock;
    struct Session {
        std::string token;     // the cookie's value
        std::string formToken; // the anti-forgery token
        std::string teacher;
        Clock::time_point expires;
    };

    explicit TeacherSessions(std::chrono::seconds lifetime, SteadyNow now = Clock::now)
        : lifetime_(lifetime), now_(std::move(now))
    {
    }

    Session open(const std::string& teacher);
    std::optional<Session> find(const std::string& token);
    void close(const std::string& token);
    std::chrono::seconds lifetime() const { return lifetime_; }

    // Compares in constant time, so the token cannot be found byte by byte.
    static bool sameToken(const std::string& a, const std::string& b);
    // 32 random bytes in hex.
    static std::string randomToken();

private:
    std::chrono::seconds lifetime_;
    SteadyNow now_;
    std::mutex mutex_;
    std::unordered_map<std::string, Session> sessions_;
};

}
