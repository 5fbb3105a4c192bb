// A single server's counts of failed log-ons, bounded against a flood of made-up names.
#pragma once
#include "ThrottleRecords.h"

#include <mutex>
#include <unordered_map>

namespace quizd {

class MemoryThrottleRecords : public ThrottleRecords {
public:
    Found find(const std::string& name, const std::string& address) override;
    void update(bool byAddress, const std::string& key, Clock::time_point now, std::chrono::seconds forgetAfter,
                const std::function<void(Record&)>& change) override;
    void erase(bool byAddress, const std::string& key) override;
    std::vector<Entry> blocked(Clock::time_point now) override;

private:
    using Table = std::unordered_map<std::string, Record>;
    Table& table(bool byAddress) { return byAddress ? addresses_ : names_; }
    std::mutex mutex_;
    Table names_;
    Table addresses_;
};

}
