// Multipart parts are found by their boundary line; a part's name comes from its Content-Disposition.
#include "FormData.h"

#include "QueryString.h"

namespace quizd {
namespace {

// The value of key="..." (or key=token) inside a header line; nullopt when absent.
std::optional<std::string> parameter(const std::string& header, const std::string& key)
{
    for (std::size_t at = 0; (at = header.find(key + "=", at)) != std::string::npos; at += key.size()) {
        bool wordStart = at == 0 || header[at - 1] == ' ' || header[at - 1] == ';' || header[at - 1] == '\t';
        if (!wordStart) continue;
        std::size_t v = at + key.size() + 1;
        if (v < header.size() && header[v] == '"') {
            std::size_t close = header.find('"', v + 1);
            if (close == std::string::npos) return std::nullopt;
            return header.substr(v + 1, close - v - 1);
        }
        std::size_t end = header.find_first_of("; \t\r\n", v);
        return header.substr(v, end == std::string::npos ? std::string::npos : end - v);
    }
    return std::nullopt;
}

std::string lowerCase(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

}

std::optional<FormData> FormData::parse(const std::string& contentType, const std::string& body)
{
    std::string type = lowerCase(contentType.substr(0, contentType.find(';')));
    if (type == "application/x-www-form-urlencoded") return urlEncoded(body);
    if (type == "multipart/form-data") {
        std::optional<std::string> boundary = parameter(contentType, "boundary");
        if (!boundary || boundary->empty()) return std::nullopt;
        return multipart(*boundary, body);
    }
    return std::nullopt;
}

std::optional<FormData> FormData::urlEncoded(const std::string& body)
{
    FormData form;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = std::min(body.find('&', start), body.size());
        std::string pair = body.substr(start, end - start);
        start = end + 1;
        if (pair.empty()) continue;
        std::size_t eq = pair.find('=');
        std::optional<std::string> key = QueryString::decode(pair.substr(0, eq));
        std::optional<std::string> value = QueryString::decode(eq == std::string::npos ? "" : pair.substr(eq + 1));
        if (!key || !value) return std::nullopt;
        form.fields_.emplace(*key, *value);
    }
    return form;
}

std::optional<FormData> FormData::multipart(const std::string& boundary, const std::string& body)
{
    FormData form;
    const std::string delimiter = "--" + boundary;
    std::size_t at = body.find(delimiter);
    while (at != std::string::npos) {
        at += delimiter.size();
        if (body.compare(at, 2, "--") == 0) return form; // the closing delimiter
        if (body.compare(at, 2, "\r\n") != 0) return std::nullopt;
        std::size_t headersEnd = body.find("\r\n\r\n", at);
        if (headersEnd == std::string::npos) return std::nullopt;
        std::string headers = body.substr(at + 2, headersEnd - at - 2);
        std::size_t contentStart = headersEnd + 4;
        std::size_t next = body.find("\r\n" + delimiter, contentStart);
        if (next == std::string::npos) return std::nullopt;
        std::optional<std::string> name = parameter(headers, "name");
        if (name) form.fields_.emplace(*name, body.substr(contentStart, next - contentStart));
        std::optional<std::string> fileName = parameter(headers, "filename");
        if (name && fileName) form.fileNames_.emplace(*name, *fileName);
        at = next + 2;
    }
    return std::nullopt;
}

std::string FormData::fileName(const std::string& name) const
{
    auto it = fileNames_.find(name);
    return it == fileNames_.end() ? "" : it->second;
}

std::string FormData::get(const std::string& name) const
{
    auto it = fields_.find(name);
    return it == fields_.end() ? "" : it->second;
}

}
