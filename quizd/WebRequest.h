// A request to the teacher's pages and its reply, apart from the HTTP library.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace quizd {

struct WebRequest {
    std::string method;
    std::string path;   // decoded, without the query
    std::string target; // as sent, query included
    std::string cookie; // the Cookie header
    std::string contentType;
    std::string body;
    bool bodyTooLarge = false;
    std::string peer; // client address
};

struct WebReply {
    int status = 200;
    std::string contentType = "text/html; charset=utf-8";
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
};

}
