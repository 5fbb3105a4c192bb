// 32 random bytes as 64 lower-case hexadecimal digits: no character that needs encoding in a URL.
#include "platform/installtoken.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sys/random.h>
#include <unistd.h>

#include "platform/userfolders.h"

namespace {

const size_t tokenBytes = 32;

bool isToken(const std::string& text)
{
    return text.size() == 2 * tokenBytes && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

std::string newToken()
{
    unsigned char bytes[tokenBytes];
    if (getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes))
        return "";
    static const char digits[] = "0123456789abcdef";
    std::string token;
    for (unsigned char byte : bytes) {
        token += digits[byte >> 4];
        token += digits[byte & 15];
    }
    return token;
}

// Written beside and renamed into place, so a game killed half-way leaves no half token.
void store(const std::string& path, const std::string& token)
{
    makePrivateFolders(path.substr(0, path.rfind('/')));
    const std::string partial = path + ".new";
    const int file = open(partial.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (file < 0)
        return;
    const std::string line = token + "\n";
    const bool written = write(file, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    if (close(file) == 0 && written)
        std::rename(partial.c_str(), path.c_str());
    else
        unlink(partial.c_str());
}

}

std::string installToken(const std::string& path)
{
    std::string token;
    std::ifstream(path) >> token;
    if (isToken(token))
        return token;
    token = newToken();
    if (!token.empty())
        store(path, token);
    return token;
}
