// The stand-in hash is made with the same scheme and iteration count as real ones, so checking against
// it takes as long.
#include "PasswordGate.h"

#include "PasswordHash.h"

namespace quizd {
namespace {

const std::chrono::hours kInstallMemory(24 * 90); // a school term

}

PasswordGate::PasswordGate(LoginThrottle::Limits perName, LoginThrottle::Limits perAddress,
                           std::unique_ptr<ThrottleRecords> records)
    : throttle_(perName, perAddress, std::move(records)), installs_(kInstallMemory), standIn_(PasswordHash::make(""))
{
}

bool PasswordGate::knownInstall(const std::string& account, const std::string& install)
{
    return !install.empty() && installs_.lookup(account, install).has_value();
}

std::optional<std::chrono::seconds> PasswordGate::heldBack(const std::string& account, const std::string& address,
                                                           const std::string& install)
{
    if (knownInstall(account, install)) return std::nullopt;
    return throttle_.wait(account, address, LoginThrottle::Clock::now());
}

PasswordGate::Verdict PasswordGate::check(const std::string& account, const std::string& password,
                                          const std::string& address, const std::optional<std::string>& storedHash,
                                          const std::string& install)
{
    LoginThrottle::Clock::time_point now = LoginThrottle::Clock::now();
    std::optional<std::chrono::seconds> locked = throttle_.wait(account, address, now);
    bool own = knownInstall(account, install);
    if (locked && !own) return {Outcome::Throttled, *locked};
    bool right = PasswordHash::verify(password, storedHash ? *storedHash : standIn_) && storedHash;
    if (!right) {
        throttle_.failed(account, address, now);
        return {Outcome::Refused};
    }
    // A log-on from its own install during a lock leaves the lock to the guesser.
    if (!locked) throttle_.succeeded(account);
    if (!install.empty()) installs_.remember(account, install, 1);
    return {Outcome::Accepted};
}

std::vector<LoginThrottle::Lock> PasswordGate::locks()
{
    return throttle_.locks(LoginThrottle::Clock::now());
}

}
