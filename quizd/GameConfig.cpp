// Text surgery rather than an XML rewrite, so the teacher's comments and layout survive.
#include "GameConfig.h"

#include "codepage.h"

#include <regex>
#include <stdexcept>

namespace quizd {
namespace {

const char* kDefaultConfig = R"(<?xml version="1.0" encoding="windows-1252"?>
<config>
  <proxy active="false" ip="" port="0"/>
  @USER@
  <parameters wireframe="false" killall="false" music="true" cheating="false"/>
  <screenresolution fullscreen="false" x="1024" y="768"/>
</config>
)";

// The game reads config.xml byte for byte as Windows-1252, the code page of its windows.
std::string gameBytes(const std::string& utf8)
{
    std::string bytes;
    long bad = 0;
    if (!utf8ToCp1252(utf8, bytes, bad))
        throw std::runtime_error("o jogo nao mostra um caractere de '" + utf8 + "' (fora de Windows-1252)");
    return bytes;
}

}

std::string GameConfig::escape(const std::string& value)
{
    std::string out;
    for (char c : value) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string GameConfig::userElement(const std::string& server, const std::string& username, const std::string& password)
{
    return "<user username=\"" + escape(gameBytes(username)) + "\" password=\"" + escape(gameBytes(password)) +
           "\" server=\"" + escape(server) + "\"/>";
}

std::string GameConfig::withUser(const std::string& original, const std::string& server, const std::string& username,
                                 const std::string& password)
{
    std::string element = userElement(server, username, password);
    if (original.empty()) return std::regex_replace(kDefaultConfig, std::regex("@USER@"), element);
    // The game reads every `user` element and keeps the last: leave exactly one.
    static const std::regex userTag(R"(<user\b[^>]*>(\s*</user>)?)");
    std::smatch first;
    if (std::regex_search(original, first, userTag)) {
        std::string rest = std::regex_replace(first.suffix().str(), userTag, "");
        return first.prefix().str() + element + rest;
    }
    std::size_t close = original.rfind("</");
    if (close == std::string::npos) return original + element + "\n";
    return original.substr(0, close) + "  " + element + "\n" + original.substr(close);
}

}
