// Teachers' sessions in the database's teacher_sessions table, seen by every server on it.
#pragma once
#include "SessionStore.h"
#include "SharedConnection.h"

namespace quizd {

class DatabaseSessions : public SessionStore {
public:
    explicit DatabaseSessions(const std::string& url) : connection_(url) {}

    void put(const TeacherSession& session, Clock::time_point now) override;
    std::optional<TeacherSession> find(const std::string& token, Clock::time_point now) override;
    void erase(const std::string& token) override;

private:
    SharedConnection connection_;
};

}
