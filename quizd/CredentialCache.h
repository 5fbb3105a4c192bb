// Remembers recent password checks, so the slow hash runs once per student and minute rather than on
// every request (each request carries the password). Keys are keyed digests: no password is kept.
#pragma once
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace quizd {

class CredentialCache {
public:
    using Clock = std::chrono::steady_clock;
    explicit CredentialCache(std::chrono::seconds lifetime = std::chrono::seconds(60));

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
    std::string secret_;
    std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
};

}
