// Fuzzes quizd's reading of a request: query string, percent-decoding, form bodies, incoming text.
// The input is the target, a line feed, the content type, a line feed, then the body.
#include <cstdint>
#include <optional>
#include <string>

#include "FormData.h"
#include "GameEvent.h"
#include "QueryString.h"
#include "UserName.h"
#include "codepage.h"

namespace {

std::string nextLine(const std::string& input, size_t& at)
{
    const size_t end = std::min(input.find('\n', at), input.size());
    std::string line = input.substr(at, end - at);
    at = std::min(end + 1, input.size());
    return line;
}

void readQuery(const std::string& target)
{
    if (std::optional<quizd::QueryString> query = quizd::QueryString::parse(target)) {
        const std::string name = quizd::incomingText(query->get("username"));
        quizd::UserName::problem(name);
        quizd::foldForComparison(quizd::incomingText(query->get("resposta")));
        std::string problem;
        quizd::GameEvent::fromQuery(*query, problem);
    }
    // A password must never reach the log, whatever the escapes around it.
    const std::string logged = quizd::QueryString::redacted(target);
    if (std::optional<quizd::QueryString> again = quizd::QueryString::parse(logged))
        if (!again->get("password").empty() && again->get("password") != "***")
            __builtin_trap();
}

void readForm(const std::string& contentType, const std::string& body)
{
    if (std::optional<quizd::FormData> form = quizd::FormData::parse(contentType, body)) {
        form->get("arquivo");
        form->fileName("arquivo");
        std::string cp1252;
        long badChar = 0;
        quizd::utf8ToCp1252(form->get("texto"), cp1252, badChar);
        quizd::cp1252ToUtf8(cp1252);
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    size_t at = 0;
    const std::string target = nextLine(input, at);
    const std::string contentType = nextLine(input, at);
    readQuery(target);
    readForm(contentType, input.substr(at));
    return 0;
}
