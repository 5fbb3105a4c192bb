// The wait doubles with each failure past the free ones (1 s, 2 s, 4 s ...) up to the lock time.
#include "LoginThrottle.h"

#include "MemoryThrottleRecords.h"

#include <algorithm>

namespace quizd {

const LoginThrottle::Limits LoginThrottle::kPerName{5, 10, std::chrono::minutes(5), std::chrono::minutes(15)};
const LoginThrottle::Limits LoginThrottle::kPerAddress{30, 60, std::chrono::minutes(5), std::chrono::minutes(15)};

LoginThrottle::LoginThrottle(Limits perName, Limits perAddress, std::unique_ptr<ThrottleRecords> records)
    : perName_(perName), perAddress_(perAddress),
      records_(records ? std::move(records) : std::make_unique<MemoryThrottleRecords>())
{
}

std::optional<std::chrono::seconds> LoginThrottle::remaining(const std::optional<Record>& record,
                                                             Clock::time_point now)
{
    if (!record || record->blockedUntil <= now) return std::nullopt;
    // Rounded up, so a client told "1 s" and coming back after 1 s is let in.
    return std::chrono::ceil<std::chrono::seconds>(record->blockedUntil - now);
}

std::optional<std::chrono::seconds> LoginThrottle::wait(const std::string& name, const std::string& address,
                                                        Clock::time_point now)
{
    ThrottleRecords::Found found = records_->find(name, address);
    std::optional<std::chrono::seconds> byName = remaining(found.byName, now);
    std::optional<std::chrono::seconds> byAddress = remaining(found.byAddress, now);
    if (byName && byAddress) return std::max(*byName, *byAddress);
    return byName ? byName : byAddress;
}

void LoginThrottle::count(bool byAddress, const std::string& key, const Limits& limits, Clock::time_point now)
{
    records_->update(byAddress, key, now, limits.forgetAfter, [&](Record& r) {
        if (now - r.lastFailure > limits.forgetAfter) r.failures = 0;
        ++r.failures;
        r.lastFailure = now;
        if (r.failures <= limits.freeFailures) return;
        std::chrono::seconds delay = limits.lockTime;
        int doublings = r.failures - limits.freeFailures - 1;
        if (r.failures < limits.lockAfter && doublings < 30)
            delay = std::min(limits.lockTime, std::chrono::seconds(1LL << doublings));
        r.blockedUntil = now + delay;
    });
}

void LoginThrottle::failed(const std::string& name, const std::string& address, Clock::time_point now)
{
    count(false, name, perName_, now);
    count(true, address, perAddress_, now);
}

void LoginThrottle::succeeded(const std::string& name)
{
    // The address keeps its count: knowing one password must not buy more guesses at the others.
    records_->erase(false, name);
}

std::vector<LoginThrottle::Lock> LoginThrottle::locks(Clock::time_point now)
{
    std::vector<Lock> out;
    for (const ThrottleRecords::Entry& e : records_->blocked(now))
        out.push_back({e.byAddress, e.key, e.record.failures, *remaining(e.record, now)});
    return out;
}

void LoginThrottle::lift(bool byAddress, const std::string& key)
{
    records_->erase(byAddress, key);
}

}
