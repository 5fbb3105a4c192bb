// A full table first loses the records quiet long enough to be forgotten anyway, and only then the rest.
#include "MemoryThrottleRecords.h"

namespace quizd {
namespace {

const std::size_t kMaxRecords = 100000;

}

ThrottleRecords::Found MemoryThrottleRecords::find(const std::string& name, const std::string& address)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto look = [](const Table& t, const std::string& key) -> std::optional<Record> {
        auto it = t.find(key);
        if (it == t.end()) return std::nullopt;
        return it->second;
    };
    return {look(names_, name), look(addresses_, address)};
}

void MemoryThrottleRecords::update(bool byAddress, const std::string& key, Clock::time_point now,
                                   std::chrono::seconds forgetAfter, const std::function<void(Record&)>& change)
{
    std::lock_guard<std::mutex> lock(mutex_);
    Table& t = table(byAddress);
    if (t.size() >= kMaxRecords && !t.count(key)) {
        for (auto it = t.begin(); it != t.end();)
            it = now - it->second.lastFailure > forgetAfter ? t.erase(it) : std::next(it);
        if (t.size() >= kMaxRecords) t.clear();
    }
    change(t[key]);
}

void MemoryThrottleRecords::erase(bool byAddress, const std::string& key)
{
    std::lock_guard<std::mutex> lock(mutex_);
    table(byAddress).erase(key);
}

std::vector<ThrottleRecords::Entry> MemoryThrottleRecords::blocked(Clock::time_point now)
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Entry> out;
    for (bool byAddress : {false, true})
        for (const auto& [key, record] : table(byAddress))
            if (record.blockedUntil > now) out.push_back({byAddress, key, record});
    return out;
}

}
