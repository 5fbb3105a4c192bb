// SHA-256 of a per-process random secret and the (user, password) pair names each pair.
#include "CredentialCache.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace quizd {

namespace {
const std::size_t kMaxEntries = 100000; // bounds memory against a flood of made-up names
}

CredentialCache::CredentialCache(std::chrono::seconds lifetime, SteadyNow now)
    : lifetime_(lifetime), now_(std::move(now)), secret_(32, '\0'), sha256_(EVP_MD_fetch(nullptr, "SHA256", nullptr))
{
    if (!sha256_) throw std::runtime_error("SHA-256 indisponivel");
    if (RAND_bytes(reinterpret_cast<unsigned char*>(&secret_[0]), int(secret_.size())) != 1)
        throw std::runtime_error("sem fonte de aleatoriedade");
}

CredentialCache::~CredentialCache()
{
    EVP_MD_free(sha256_);
}

std::string CredentialCache::key(const std::string& username, const std::string& password) const
{
    // Names carry no NUL byte (the query parser refuses %00), so the pair splits one way only.
    std::string message = secret_ + username + '\0' + password;
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(message.data(), message.size(), digest, &length, sha256_, nullptr) != 1)
        throw std::runtime_error("SHA-256 falhou");
    return std::string(reinterpret_cast<char*>(digest), length);
}

std::optional<long> CredentialCache::lookup(const std::string& username, const std::string& password)
{
    std::string k = key(username, password);
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = entries_.find(k);
    if (it == entries_.end()) return std::nullopt;
    if (it->second.expires < now_()) {
        entries_.erase(it);
        return std::nullopt;
    }
    return it->second.userId;
}

void CredentialCache::remember(const std::string& username, const std::string& password, long userIdOrMinusOne)
{
    std::string k = key(username, password);
    std::lock_guard<std::mutex> lock(mutex_);
    if (entries_.size() >= kMaxEntries) entries_.clear();
    // A refusal is kept briefly: long enough to spare the hash when the game repeats a request, short
    // enough that a student added a moment later is let in.
    std::chrono::seconds keep = userIdOrMinusOne < 0 ? std::min(lifetime_, std::chrono::seconds(5)) : lifetime_;
    entries_[k] = {userIdOrMinusOne, now_() + keep};
}

}
