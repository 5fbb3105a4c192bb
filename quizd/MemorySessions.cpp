#include "MemorySessions.h"

namespace quizd {

void MemorySessions::put(const TeacherSession& session, Clock::time_point now)
{
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = sessions_.begin(); it != sessions_.end();)
        it = it->second.expires <= now ? sessions_.erase(it) : std::next(it);
    sessions_[session.token] = session;
}

std::optional<TeacherSession> MemorySessions::find(const std::string& token, Clock::time_point now)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = sessions_.find(token);
    if (it == sessions_.end()) return std::nullopt;
    if (it->second.expires <= now) {
        sessions_.erase(it);
        return std::nullopt;
    }
    return it->second;
}

void MemorySessions::erase(const std::string& token)
{
    std::lock_guard<std::mutex> lock(mutex_);
    sessions_.erase(token);
}

}
