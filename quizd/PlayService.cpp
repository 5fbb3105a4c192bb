// Refusals keep the shape the game expects: a notice shaped like a free-text question for msg=p (so the
// student reads why), a first field other than "1" for msg=r.
#include "PlayService.h"

#include "AnswerJudge.h"
#include "EventStore.h"
#include "codepage.h"

#include <cstdio>
#include <cstdlib>

namespace quizd {
namespace {

std::string toWire(const std::string& utf8)
{
    std::string bytes;
    long bad = 0;
    utf8ToCp1252(utf8, bytes, bad); // bank texts were checked at import
    return bytes;
}

Reply notice(int status, const std::string& utf8Text)
{
    return {status, "10000" + toWire(utf8Text)};
}

std::string fourDigits(long id)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04ld", id);
    return buf;
}

// Whole decimal number, nothing else; ids and levels are small.
std::optional<long> parseId(const std::string& s)
{
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::atol(s.c_str());
}

}

Reply PlayService::handle(const QueryString& query)
{
    outcome_.clear();
    std::string msg = query.get("msg");
    if (msg != "l" && msg != "p" && msg != "r" && msg != "n" && msg != "e") {
        outcome_ = "msg desconhecido";
        return {400, "0\tPedido invalido: msg deve ser l, p, r, n ou e"};
    }
    try {
        return dispatch(msg, query);
    } catch (const std::exception& e) {
        // A database that stays locked past the time-out, a full disk: the game still gets a reply it
        // can show (a question window with an unknown kind would end it).
        outcome_ = std::string("erro: ") + e.what();
        failed_ = true;
        return failure(msg);
    }
}

Reply PlayService::failure(const std::string& msg)
{
    if (msg == "p") return notice(500, "O servidor de questões está com problemas. Avise o professor.");
    return {500, "0\tErro interno do servidor"};
}

Reply PlayService::dispatch(const std::string& msg, const QueryString& query)
{
    std::optional<long> user = logOn(query, msg == "l");
    if (!user && throttled_.count() > 0) {
        std::string wait = std::to_string(throttled_.count());
        outcome_ = "tentativas demais, espera de " + wait + " s";
        if (msg == "p")
            return notice(429, "Muitas tentativas com senha errada. Tente de novo daqui a " + wait +
                                   " segundos ou peça ao professor para liberar a entrada.");
        return {429, "0\tMuitas tentativas com senha errada; tente de novo daqui a " + wait +
                         " s ou peca ao professor para liberar a entrada"};
    }
    if (!user) {
        outcome_ = "usuario ou senha invalidos";
        if (msg == "p") return notice(403, "Usuário ou senha inválidos. Confira o nome e a senha com o professor.");
        return {403, "0\tUsuario ou senha invalidos"};
    }
    if (msg == "p") return query.has("id") ? question(*user, query) : nextQuestion(*user);
    if (msg == "r") return answer(*user, query);
    if (msg == "n") return level(*user, query);
    if (msg == "e") return event(*user, query);
    outcome_ = "log-on";
    return {200, "1"};
}

// The gate comes before the cache: while the name is held back, a pair that was right a moment ago
// must get the same reply as a guess. A log-on itself always reaches the gate, which then knows the install.
std::optional<long> PlayService::logOn(const QueryString& query, bool fresh)
{
    std::string name = incomingText(query.get("username"));
    std::string password = incomingText(query.get("password"));
    std::string account = "aluno:" + name;
    std::string install = query.get("install");
    if (std::optional<std::chrono::seconds> wait = gate_.heldBack(account, peer_, install)) {
        throttled_ = *wait;
        return std::nullopt;
    }
    if (std::optional<long> known = fresh ? std::nullopt : credentials_.lookup(name, password)) {
        if (*known < 0) return std::nullopt;
        return *known;
    }
    std::optional<long> user = store_.findUser(name);
    std::optional<std::string> hash;
    if (user) hash = store_.passwordHash(*user);
    PasswordGate::Verdict verdict = gate_.check(account, password, peer_, hash, install);
    if (verdict.outcome == PasswordGate::Outcome::Throttled) {
        throttled_ = verdict.wait; // not remembered: the next try after the wait is checked
        return std::nullopt;
    }
    bool ok = verdict.outcome == PasswordGate::Outcome::Accepted;
    credentials_.remember(name, password, ok ? *user : -1);
    if (!ok) return std::nullopt;
    return user;
}

Reply PlayService::nextQuestion(long userId)
{
    std::uint64_t version = Database::commits();
    if (std::optional<QuestionCache::Fetch> known = questions_.lookup(userId, version)) {
        outcome_ = known->outcome;
        return {200, known->body};
    }
    Reply reply = question(userId, QueryString());
    if (reply.status == 200) questions_.remember(userId, version, {reply.body, outcome_});
    return reply;
}

Reply PlayService::question(long userId, const QueryString& query)
{
    std::optional<Showing> shown;
    if (query.has("id")) {
        std::optional<long> id = parseId(query.get("id"));
        if (!id) return notice(400, "Número de questão inválido.");
        shown = store_.showing(userId, *id);
        if (!shown) {
            outcome_ = "questao " + std::to_string(*id) + " nao existe";
            return notice(404, "A questão " + std::to_string(*id) + " não existe no servidor.");
        }
    } else {
        shown = store_.nextShowing(userId);
        if (!shown) return notice(503, "O professor ainda não cadastrou questões no servidor.");
    }
    const Question& q = shown->question;
    std::vector<int> order = shown->order.value_or(std::vector<int>());
    // The first showing writes the student's order, outside the read snapshot.
    if (!q.alternatives.empty() && order.empty()) order = store_.displayOrder(userId, q);
    outcome_ = "questao " + fourDigits(q.id);
    return {200, questionBody(q, order)};
}

std::string PlayService::questionBody(const Question& q, const std::vector<int>& order)
{
    std::string body = std::string(1, char(q.kind)) + fourDigits(q.id) + toWire(q.text);
    for (int index : order) body += "\t" + toWire(q.alternatives.at(std::size_t(index)));
    return body;
}

Reply PlayService::answer(long userId, const QueryString& query)
{
    std::optional<long> id = parseId(query.get("id"));
    if (!id) {
        outcome_ = "resposta sem id";
        return {400, "0\tPedido invalido: falta o id da questao"};
    }
    std::optional<Question> q = store_.question(*id);
    if (!q) {
        outcome_ = "resposta a questao inexistente";
        return {404, "0\tQuestao desconhecida"};
    }
    std::string given = incomingText(query.get("resposta"));
    std::vector<int> order;
    if (!q->alternatives.empty()) order = store_.displayOrder(userId, *q);
    bool right = AnswerJudge::isRight(*q, order, given);
    store_.recordAttempt(userId, q->id, given, right);
    outcome_ = std::string("questao ") + fourDigits(q->id) + (right ? " certa" : " errada");
    return {200, right ? "1" : "0"};
}

Reply PlayService::level(long userId, const QueryString& query)
{
    std::optional<long> n = parseId(query.get("n"));
    if (!n) return {400, "0\tPedido invalido: n deve ser um numero"};
    store_.setLevel(userId, *n);
    outcome_ = "nivel " + std::to_string(*n);
    return {200, "1"};
}

Reply PlayService::event(long userId, const QueryString& query)
{
    std::string problem;
    std::optional<GameEvent> e = GameEvent::fromQuery(query, problem);
    if (!e) {
        outcome_ = "evento invalido";
        return {400, "0\tPedido invalido: " + problem};
    }
    EventStore(store_.database()).record(userId, *e);
    outcome_ = "evento " + e->kind + " " + std::to_string(e->stage);
    return {200, "1"};
}

}
