// Where passwords of students and teachers are checked: an unknown name costs what a known one costs,
// and guessing is slowed down per name and per address (LoginThrottle). Pairs that were right recently
// are never held up, so one guesser behind a school's shared address cannot lock out the class.
#pragma once
#include "CredentialCache.h"
#include "LoginThrottle.h"

#include <chrono>
#include <optional>
#include <string>

namespace quizd {

class PasswordGate {
public:
    enum class Outcome { Accepted, Refused, Throttled };
    struct Verdict {
        Outcome outcome;
        std::chrono::seconds wait{0}; // Throttled: how long until the next try is checked
    };

    explicit PasswordGate(LoginThrottle::Limits perName = LoginThrottle::kPerName,
                          LoginThrottle::Limits perAddress = LoginThrottle::kPerAddress);

    // account: the name with its kind ("aluno:ana"); storedHash: nullopt when there is no such account.
    Verdict check(const std::string& account, const std::string& password, const std::string& address,
                  const std::optional<std::string>& storedHash);

private:
    LoginThrottle throttle_;
    CredentialCache recentlyRight_;
    std::string standIn_; // the hash an unknown name is checked against
};

}
