// The fields of a submitted HTML form: application/x-www-form-urlencoded or multipart/form-data (files).
#pragma once
#include <map>
#include <optional>
#include <string>

namespace quizd {

class FormData {
public:
    // nullopt for a body that does not parse as the content type says.
    static std::optional<FormData> parse(const std::string& contentType, const std::string& body);

    std::string get(const std::string& name) const; // a field's value or a file's bytes; "" when absent
    bool has(const std::string& name) const { return fields_.count(name) != 0; }
    std::string fileName(const std::string& name) const; // as the browser named the upload; "" when none

private:
    static std::optional<FormData> urlEncoded(const std::string& body);
    static std::optional<FormData> multipart(const std::string& boundary, const std::string& body);
    std::map<std::string, std::string> fields_;
    std::map<std::string, std::string> fileNames_;
};

}
