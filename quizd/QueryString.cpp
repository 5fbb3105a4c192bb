// "a=1&b=x%20y": '&' separates keys, '+' is a blank (HTML forms), "%hh" is a byte.
#include "QueryString.h"

#include <algorithm>

namespace quizd {
namespace {

std::string lowerCase(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}

std::optional<std::string> QueryString::decode(const std::string& encoded)
{
    std::string out;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        char c = encoded[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%') {
            if (i + 2 >= encoded.size()) return std::nullopt;
            int hi = hexValue(encoded[i + 1]), lo = hexValue(encoded[i + 2]);
            if (hi < 0 || lo < 0 || (hi == 0 && lo == 0)) return std::nullopt;
            out += char(hi * 16 + lo);
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<QueryString> QueryString::parse(const std::string& target)
{
    QueryString q;
    std::size_t mark = target.find('?');
    if (mark == std::string::npos) return q;
    std::string query = target.substr(mark + 1);
    std::size_t start = 0;
    while (start <= query.size()) {
        std::size_t end = query.find('&', start);
        if (end == std::string::npos) end = query.size();
        std::string pair = query.substr(start, end - start);
        start = end + 1;
        if (pair.empty()) continue;
        std::size_t eq = pair.find('=');
        auto key = decode(pair.substr(0, eq));
        auto value = decode(eq == std::string::npos ? "" : pair.substr(eq + 1));
        if (!key || !value) return std::nullopt;
        q.values_.emplace(*key, *value); // the first of a repeated key counts
    }
    return q;
}

std::string QueryString::redacted(const std::string& target)
{
    std::size_t mark = target.find('?');
    if (mark == std::string::npos) return target;
    std::string out = target.substr(0, mark + 1);
    std::size_t start = mark + 1;
    while (start <= target.size()) {
        std::size_t end = std::min(target.find('&', start), target.size());
        std::string pair = target.substr(start, end - start);
        std::size_t eq = pair.find('=');
        // The key as the parser will read it ("%70assword" is "password"); a key that does not decode
        // cannot be told apart, so its value goes too.
        std::optional<std::string> key = decode(pair.substr(0, eq));
        bool secret = !key || lowerCase(*key) == "password" || lowerCase(*key) == "install";
        if (eq != std::string::npos && secret) pair = pair.substr(0, eq + 1) + "***";
        out += (start == mark + 1 ? "" : "&") + pair;
        start = end + 1;
    }
    return out;
}

std::string QueryString::get(const std::string& key) const
{
    auto it = values_.find(key);
    return it == values_.end() ? "" : it->second;
}

}
