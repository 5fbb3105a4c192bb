// A title is shown on the teacher's page and written to the results CSV: no control bytes, and short
// enough for a table cell.
#include "GameEvent.h"

#include "codepage.h"

#include <cstdlib>

namespace quizd {
namespace {

const std::size_t kMaxTitle = 200;

bool knownKind(const std::string& kind)
{
    return kind == "stage" || kind == "life" || kind == "capture" || kind == "victory" || kind == "end";
}

std::optional<long> wholeNumber(const std::string& s)
{
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::atol(s.c_str());
}

std::optional<GameEvent> refuse(std::string& problem, const char* why)
{
    problem = why;
    return std::nullopt;
}

bool printableText(const std::string& utf8)
{
    for (char c : utf8)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
    return true;
}

}

std::optional<GameEvent> GameEvent::fromQuery(const QueryString& query, std::string& problem)
{
    GameEvent e;
    e.kind = query.get("event");
    if (!knownKind(e.kind)) return refuse(problem, "event deve ser stage, life, capture, victory ou end");
    std::optional<long> stage = wholeNumber(query.get("stage"));
    std::optional<long> life = wholeNumber(query.get("life"));
    std::optional<long> seconds = wholeNumber(query.get("time"));
    if (!stage) return refuse(problem, "stage deve ser um numero");
    if (!life || *life > 100) return refuse(problem, "life deve ser um numero de 0 a 100");
    if (!seconds) return refuse(problem, "time deve ser um numero de segundos");
    e.title = incomingText(query.get("title"));
    if (!printableText(e.title) || e.title.size() > kMaxTitle)
        return refuse(problem, "title deve ser um texto curto de uma linha");
    e.stage = *stage;
    e.life = *life;
    e.seconds = *seconds;
    return e;
}

}
