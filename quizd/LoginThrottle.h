// Slows down password guessing: failures are counted per account name and per client address; past a
// few free ones each failure makes the next try wait longer, and then the name or address is locked
// for some minutes.
#pragma once
#include "ThrottleRecords.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quizd {

class LoginThrottle {
public:
    using Clock = std::chrono::steady_clock;
    struct Limits {
        int freeFailures; // tries a mistyping student gets without waiting
        int lockAfter;    // failures that lock for lockTime
        std::chrono::seconds lockTime;
        std::chrono::seconds forgetAfter; // a quiet spell this long wipes the count
    };
    static const Limits kPerName;
    static const Limits kPerAddress; // a whole class mistypes behind one school address

    // records: where the counts live; nullptr: this server's memory.
    LoginThrottle(Limits perName = kPerName, Limits perAddress = kPerAddress,
                  std::unique_ptr<ThrottleRecords> records = nullptr);

    // How long this name from this address must still wait before its password is checked; nullopt: now.
    std::optional<std::chrono::seconds> wait(const std::string& name, const std::string& address,
                                             Clock::time_point now);
    void failed(const std::string& name, const std::string& address, Clock::time_point now);
    void succeeded(const std::string& name);

    // A name or an address held back now, for the teacher's page.
    struct Lock {
        bool byAddress;
        std::string key; // the account ("aluno:ana") or the address
        int failures;
        std::chrono::seconds remaining;
    };
    std::vector<Lock> locks(Clock::time_point now);
    // Forgets the failures of that name or address: the teacher vouches for it.
    void lift(bool byAddress, const std::string& key);

private:
    using Record = ThrottleRecords::Record;
    void count(bool byAddress, const std::string& key, const Limits& limits, Clock::time_point now);
    static std::optional<std::chrono::seconds> remaining(const std::optional<Record>& record, Clock::time_point now);

    Limits perName_;
    Limits perAddress_;
    std::unique_ptr<ThrottleRecords> records_;
};

}
