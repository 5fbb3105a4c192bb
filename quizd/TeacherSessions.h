// Teachers' log-ins to the web page: a random session token (the cookie) and a random anti-forgery token
// that every form carrying a change must send back. Both end together when the session expires.
#pragma once
#include "SessionStore.h"
#include "SteadyClock.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace quizd {

class TeacherSessions {
public:
    using Clock = std::chrono::steady_clock;
    using Session = TeacherSession;

    // store: where the sessions live; nullptr: this server's memory.
    explicit TeacherSessions(std::chrono::seconds lifetime, SteadyNow now = Clock::now,
                             std::unique_ptr<SessionStore> store = nullptr);

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
    std::unique_ptr<SessionStore> store_;
};

}
