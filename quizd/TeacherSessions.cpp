// Tokens are 32 bytes from OpenSSL's generator, in hex.
#include "TeacherSessions.h"

#include "MemorySessions.h"

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

TeacherSessions::TeacherSessions(std::chrono::seconds lifetime, SteadyNow now, std::unique_ptr<SessionStore> store)
    : lifetime_(lifetime), now_(std::move(now)), store_(store ? std::move(store) : std::make_unique<MemorySessions>())
{
}

TeacherSessions::Session TeacherSessions::open(const std::string& teacher)
{
    Clock::time_point now = now_();
    Session s{randomToken(), randomToken(), teacher, now + lifetime_};
    store_->put(s, now);
    return s;
}

std::optional<TeacherSessions::Session> TeacherSessions::find(const std::string& token)
{
    return store_->find(token, now_());
}

void TeacherSessions::close(const std::string& token)
{
    store_->erase(token);
}

bool TeacherSessions::sameToken(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && !a.empty() && CRYPTO_memcmp(a.data(), b.data(), a.size()) == 0;
}

}
