// Where passwords of students and teachers are checked: an unknown name costs what a known one costs,
// and guessing is slowed down per name and per address (LoginThrottle). While a name or an address is
// held back, no password is checked at all, so the reply cannot tell a right one from a wrong one; only
// an install (a game's token, a teacher's browser cookie) that logged on as that name before gets past.
#pragma once
#include "CredentialCache.h"
#include "LoginThrottle.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quizd {

class PasswordGate {
public:
    enum class Outcome { Accepted, Refused, Throttled };
    struct Verdict {
        Outcome outcome;
        std::chrono::seconds wait{0}; // Throttled: how long until the next try is checked
    };

    // records: where failed log-ons are counted; nullptr: this server's memory.
    explicit PasswordGate(LoginThrottle::Limits perName = LoginThrottle::kPerName,
                          LoginThrottle::Limits perAddress = LoginThrottle::kPerAddress,
                          std::unique_ptr<ThrottleRecords> records = nullptr);

    // account: the name with its kind ("aluno:ana"); install: the client's own random token, or empty.
    // How long the account must wait from there; nullopt: its password may be checked now.
    std::optional<std::chrono::seconds> heldBack(const std::string& account, const std::string& address,
                                                 const std::string& install);
    // storedHash: nullopt when there is no such account.
    Verdict check(const std::string& account, const std::string& password, const std::string& address,
                  const std::optional<std::string>& storedHash, const std::string& install = "");

    std::vector<LoginThrottle::Lock> locks();
    void lift(bool byAddress, const std::string& key) { throttle_.lift(byAddress, key); }

private:
    bool knownInstall(const std::string& account, const std::string& install);

    LoginThrottle throttle_;
    CredentialCache installs_; // (account, install) pairs that logged on
    std::string standIn_;      // the hash an unknown name is checked against
};

}
