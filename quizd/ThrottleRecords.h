// Where LoginThrottle keeps its counts of failed log-ons: in the server's memory, or in the database
// when several servers share one (a guesser spreading tries over them must meet one count).
#pragma once
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quizd {

class ThrottleRecords {
public:
    using Clock = std::chrono::steady_clock;
    struct Record {
        int failures = 0;
        Clock::time_point lastFailure;
        Clock::time_point blockedUntil;
    };
    struct Entry {
        bool byAddress;
        std::string key;
        Record record;
    };

    struct Found {
        std::optional<Record> byName;
        std::optional<Record> byAddress;
    };

    virtual ~ThrottleRecords() = default;
    // The records of a name and of an address, read together: every log-on asks for both.
    virtual Found find(const std::string& name, const std::string& address) = 0;
    // Reads the record (a fresh one when there is none), lets change alter it and writes it back, with
    // no other change of that record in between. Records quiet for longer than forgetAfter may go.
    virtual void update(bool byAddress, const std::string& key, Clock::time_point now,
                        std::chrono::seconds forgetAfter, const std::function<void(Record&)>& change) = 0;
    virtual void erase(bool byAddress, const std::string& key) = 0;
    virtual std::vector<Entry> blocked(Clock::time_point now) = 0; // those still blocked at now
};

}
