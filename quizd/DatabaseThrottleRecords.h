// Failed log-ons counted in the database's login_failures table, one count for every server on it.
#pragma once
#include "SharedConnection.h"
#include "ThrottleRecords.h"

namespace quizd {

class DatabaseThrottleRecords : public ThrottleRecords {
public:
    explicit DatabaseThrottleRecords(const std::string& url) : connection_(url) {}

    Found find(const std::string& name, const std::string& address) override;
    void update(bool byAddress, const std::string& key, Clock::time_point now, std::chrono::seconds forgetAfter,
                const std::function<void(Record&)>& change) override;
    void erase(bool byAddress, const std::string& key) override;
    std::vector<Entry> blocked(Clock::time_point now) override;

private:
    static Record recordFrom(const Statement& s, int column);
    SharedConnection connection_;
};

}
