// The keys of a request's query string, percent-decoded; a broken escape refuses the whole request.
#pragma once
#include <map>
#include <optional>
#include <string>

namespace quizd {

class QueryString {
public:
    // Parses the part of a request target after '?'. Returns nullopt for an invalid escape or a NUL byte.
    static std::optional<QueryString> parse(const std::string& target);
    static std::optional<std::string> decode(const std::string& encoded);
    // The target with the value of every key that decodes to "password" or "install" (in any case)
    // replaced by "***", for the log: an install token lets its holder past a lock.
    static std::string redacted(const std::string& target);

    bool has(const std::string& key) const { return values_.count(key) != 0; }
    std::string get(const std::string& key) const;

private:
    std::map<std::string, std::string> values_;
};

}
