// Salted, deliberately slow password hashes (PBKDF2-HMAC-SHA256), so a copied database gives no passwords.
#pragma once
#include <string>

namespace quizd {

class PasswordHash {
public:
    // "pbkdf2-sha256$<iterations>$<salt hex>$<hash hex>"
    static std::string make(const std::string& password);
    static bool verify(const std::string& password, const std::string& stored);

private:
    static std::string derive(const std::string& password, const std::string& salt, int iterations);
};

}
