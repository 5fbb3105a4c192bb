// Tokens are 32 bytes from OpenSSL's generator, in hex; sessions live in memory, so a restart signs out.
#include "TeacherSessions.h"

#include <openssl/crypto.h>
#include <openssl/rand.h>

#include <stdexcept>

namespace quizd {

std::string TeacherSessions::randomToken()
{
    unsigned char bytes[32];
    if (RAND_bytes(bytes, sizeof bytes) != 1) throw std::runtime_error("sem fonte de aleatoriedade");
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

TeacherSessions::Session TeacherSessions::open(const std::string& teacher)
{
    Session s{randomToken(), randomToken(), teacher, now_() + lifetime_};
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = sessions_.begin(); it != sessions_.end();)
        it = it->second.expires <= now_() ? sessions_.erase(it) : std::next(it);
    sessions_[s.token] = s;
    return s;
}

std::optional<TeacherSessions::Session> TeacherSessions::find(const std::string& token)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = sessions_.find(token);
    if (it == sessions_.end()) return std::nullopt;
    if (it->second.expires <= now_()) {
        sessions_.erase(it);
        return std::nullopt;
    }
    return it->second;
}

void TeacherSessions::close(const std::string& token)
{
    std::lock_guard<std::mutex> lock(mutex_);
    sessions_.erase(token);
}

bool TeacherSessions::sameToken(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && !a.empty() && CRYPTO_memcmp(a.data(), b.data(), a.size()) == 0;
}

}
