// The stand-in hash is made with the same scheme and iteration count as real ones, so checking against
// it takes as long.
#include "PasswordGate.h"

#include "PasswordHash.h"

namespace quizd {

PasswordGate::PasswordGate(LoginThrottle::Limits perName, LoginThrottle::Limits perAddress)
    : throttle_(perName, perAddress), recentlyRight_(std::chrono::hours(12)), standIn_(PasswordHash::make(""))
{
}

PasswordGate::Verdict PasswordGate::check(const std::string& account, const std::string& password,
                                          const std::string& address, const std::optional<std::string>& storedHash)
{
    LoginThrottle::Clock::time_point now = LoginThrottle::Clock::now();
    if (!recentlyRight_.lookup(account, password))
        if (std::optional<std::chrono::seconds> wait = throttle_.wait(account, address, now))
            return {Outcome::Throttled, *wait};
    bool right = PasswordHash::verify(password, storedHash ? *storedHash : standIn_) && storedHash;
    if (!right) {
        throttle_.failed(account, address, now);
        return {Outcome::Refused};
    }
    throttle_.succeeded(account);
    recentlyRight_.remember(account, password, 1);
    return {Outcome::Accepted};
}

}
