// Entries of an older version are dropped when met, and all of them when the table is full.
#include "QuestionCache.h"

#include <utility>

namespace quizd {

namespace {
const std::size_t kMaxEntries = 10000; // a school's students many times over: bounds what quiet ones leave
}

QuestionCache::QuestionCache(std::chrono::milliseconds lifetime, SteadyNow now)
    : lifetime_(lifetime), now_(std::move(now))
{
}

std::optional<QuestionCache::Fetch> QuestionCache::lookup(long userId, std::uint64_t version)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = entries_.find(userId);
    if (it == entries_.end()) return std::nullopt;
    if (it->second.version != version || it->second.expires <= now_()) {
        entries_.erase(it);
        return std::nullopt;
    }
    return it->second.fetch;
}

void QuestionCache::remember(long userId, std::uint64_t version, Fetch fetch)
{
    Clock::time_point expires = now_() + lifetime_;
    std::lock_guard<std::mutex> lock(mutex_);
    if (entries_.size() >= kMaxEntries) entries_.clear();
    entries_.insert_or_assign(userId, Entry{version, expires, std::move(fetch)});
}

}
