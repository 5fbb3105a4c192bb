// The wait doubles with each failure past the free ones (1 s, 2 s, 4 s ...) up to the lock time.
#include "LoginThrottle.h"

#include <algorithm>

namespace quizd {
namespace {

const std::size_t kMaxRecords = 100000; // bounds memory against a flood of made-up names

}

const LoginThrottle::Limits LoginThrottle::kPerName{5, 10, std::chrono::minutes(5), std::chrono::minutes(15)};
const LoginThrottle::Limits LoginThrottle::kPerAddress{30, 60, std::chrono::minutes(5), std::chrono::minutes(15)};

LoginThrottle::LoginThrottle(Limits perName, Limits perAddress) : perName_(perName), perAddress_(perAddress) {}

std::optional<std::chrono::seconds> LoginThrottle::remaining(const Table& table, const std::string& key,
                                                             Clock::time_point now)
{
    auto it = table.find(key);
    if (it == table.end() || it->second.blockedUntil <= now) return std::nullopt;
    // Rounded up, so a client told "1 s" and coming back after 1 s is let in.
    return std::chrono::ceil<std::chrono::seconds>(it->second.blockedUntil - now);
}

std::optional<std::chrono::seconds> LoginThrottle::wait(const std::string& name, const std::string& address,
                                                        Clock::time_point now)
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::optional<std::chrono::seconds> byName = remaining(names_, name, now);
    std::optional<std::chrono::seconds> byAddress = remaining(addresses_, address, now);
    if (byName && byAddress) return std::max(*byName, *byAddress);
    return byName ? byName : byAddress;
}

void LoginThrottle::count(Table& table, const std::string& key, const Limits& limits, Clock::time_point now)
{
    if (table.size() >= kMaxRecords && !table.count(key)) {
        for (auto it = table.begin(); it != table.end();)
            it = now - it->second.lastFailure > limits.forgetAfter ? table.erase(it) : std::next(it);
        if (table.size() >= kMaxRecords) table.clear();
    }
    Record& r = table[key];
    if (now - r.lastFailure > limits.forgetAfter) r.failures = 0;
    ++r.failures;
    r.lastFailure = now;
    if (r.failures <= limits.freeFailures) return;
    std::chrono::seconds delay = limits.lockTime;
    int doublings = r.failures - limits.freeFailures - 1;
    if (r.failures < limits.lockAfter && doublings < 30)
        delay = std::min(limits.lockTime, std::chrono::seconds(1LL << doublings));
    r.blockedUntil = now + delay;
}

void LoginThrottle::failed(const std::string& name, const std::string& address, Clock::time_point now)
{
    std::lock_guard<std::mutex> lock(mutex_);
    count(names_, name, perName_, now);
    count(addresses_, address, perAddress_, now);
}

void LoginThrottle::succeeded(const std::string& name)
{
    // The address keeps its count: knowing one password must not buy more guesses at the others.
    std::lock_guard<std::mutex> lock(mutex_);
    names_.erase(name);
}

std::vector<LoginThrottle::Lock> LoginThrottle::locks(Clock::time_point now)
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Lock> out;
    collect(names_, false, now, out);
    collect(addresses_, true, now, out);
    return out;
}

void LoginThrottle::collect(const Table& table, bool byAddress, Clock::time_point now, std::vector<Lock>& out)
{
    for (const auto& [key, record] : table)
        if (std::optional<std::chrono::seconds> wait = remaining(table, key, now))
            out.push_back({byAddress, key, record.failures, *wait});
}

void LoginThrottle::lift(bool byAddress, const std::string& key)
{
    std::lock_guard<std::mutex> lock(mutex_);
    (byAddress ? addresses_ : names_).erase(key);
}

}
