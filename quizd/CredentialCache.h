// Remembers recent password checks, so the slow hash runs once per student and minute rather than on
// every request (each request carries the password). Keys are salted digests: no password is kept.
#pragma once
#include <openssl/types.h>

#include "SteadyClock.h"

#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace quizd {

class CredentialCache {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds defaultLifetime{60};
    explicit CredentialCache(std::chrono::seconds lifetime = defaultLifetime, SteadyNow now = Clock::now);
    ~CredentialCache();
    CredentialCache(const CredentialCache&) = delete;
    CredentialCache& operator=(const CredentialCache&) = delete;

    // nullopt: not known; otherwise the user id, or -1 for a refused pair.
    std::optional<long> lookup(const std::string& username, const std::string& password);
    void remember(const std::string& username, const std::string& password, long userIdOrMinusOne);

private:
    std::string key(const std::string& username, const std::string& password) const;
    struct Entry {
        long userId;
        Clock::time_point expires;
    };
    std::chrono::seconds lifetime_;
    SteadyNow now_;
    std::string secret_;
    EVP_MD* sha256_; // fetched once: a fetch per request costs more than the digest
    std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
};

}
