// One server's teachers' sessions.
#pragma once
#include "SessionStore.h"

#include <mutex>
#include <unordered_map>

namespace quizd {

class MemorySessions : public SessionStore {
public:
    void put(const TeacherSession& session, Clock::time_point now) override;
    std::optional<TeacherSession> find(const std::string& token, Clock::time_point now) override;
    void erase(const std::string& token) override;

private:
    std::mutex mutex_;
    std::unordered_map<std::string, TeacherSession> sessions_;
};

}
