// PBKDF2 through OpenSSL; the iteration count travels in the stored text so it can grow later.
#include "PasswordHash.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace quizd {
namespace {

const int kIterations = 60000;
const char kScheme[] = "pbkdf2-sha256";

std::string toHex(const unsigned char* data, std::size_t n)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
    }
    return out;
}

}

std::string PasswordHash::derive(const std::string& password, const std::string& salt, int iterations)
{
    unsigned char out[32];
    if (PKCS5_PBKDF2_HMAC(password.data(), int(password.size()), reinterpret_cast<const unsigned char*>(salt.data()),
                          int(salt.size()), iterations, EVP_sha256(), sizeof out, out) != 1)
        throw std::runtime_error("PBKDF2 falhou");
    return toHex(out, sizeof out);
}

std::string PasswordHash::make(const std::string& password)
{
    unsigned char salt[16];
    if (RAND_bytes(salt, sizeof salt) != 1) throw std::runtime_error("sem fonte de aleatoriedade");
    std::string saltHex = toHex(salt, sizeof salt);
    return std::string(kScheme) + "$" + std::to_string(kIterations) + "$" + saltHex + "$" +
           derive(password, saltHex, kIterations);
}

bool PasswordHash::verify(const std::string& password, const std::string& stored)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = stored.find('$', start)) != std::string::npos; start = at + 1)
        parts.push_back(stored.substr(start, at - start));
    parts.push_back(stored.substr(start));
    if (parts.size() != 4 || parts[0] != kScheme) return false;
    int iterations = std::atoi(parts[1].c_str());
    if (iterations < 1) return false;
    std::string computed = derive(password, parts[2], iterations);
    return computed.size() == parts[3].size() && CRYPTO_memcmp(computed.data(), parts[3].data(), computed.size()) == 0;
}

}
