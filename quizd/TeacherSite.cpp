// Routes: GET /entrar, POST /entrar; with a session GET /, /aluno?id=N, /gerenciar, /turma?id=N,
// /resultados.csv; with a session and its token POST /sair, /importar, /aluno, /turma, /liberar; the bank's
// editor has its own.
#include "TeacherSite.h"

#include "BankEditor.h"

#include "ClassImportPage.h"
#include "ClassList.h"
#include "ClassReport.h"
#include "ClassViewPage.h"
#include "EventStore.h"
#include "GiftParser.h"
#include "LockSection.h"
#include "QueryString.h"
#include "ResultsCsv.h"
#include "TeacherPages.h"
#include "UserName.h"

#include <sstream>

namespace quizd {
namespace {

const char kCookie[] = "quizd_sessao";
// Names the browser for good, so the teacher's own browser still signs in while a guesser holds the
// name back.
const char kBrowserCookie[] = "quizd_navegador";
const long kBrowserSeconds = 400L * 24 * 3600; // the longest a browser keeps a cookie
const unsigned kRefreshSeconds = 5;

WebReply html(int status, std::string body)
{
    WebReply r;
    r.status = status;
    r.body = std::move(body);
    // No script runs on these pages at all, so an answer that slips past escaping still cannot act.
    r.headers = {{"Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'; form-action 'self'; "
                                             "frame-ancestors 'none'; base-uri 'none'"},
                 {"X-Content-Type-Options", "nosniff"},
                 {"X-Frame-Options", "DENY"},
                 {"Referrer-Policy", "no-referrer"}};
    return r;
}

// A reply made elsewhere, with this site's headers in front of its own.
WebReply secured(const WebReply& reply)
{
    WebReply r = html(reply.status, reply.body);
    r.contentType = reply.contentType;
    r.headers.insert(r.headers.end(), reply.headers.begin(), reply.headers.end());
    return r;
}

WebReply redirect(const std::string& to)
{
    WebReply r = html(303, "");
    r.headers.emplace_back("Location", to);
    return r;
}

std::optional<long> positiveNumber(const std::string& s)
{
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::stol(s);
}

}

WebReply TeacherSite::failurePage(const std::string& why)
{
    return html(503, TeacherPages::message("Problema no servidor",
                                           "O servidor não conseguiu ler ou gravar o banco: " + why, false));
}

std::string TeacherSite::cookie(const std::string& cookieHeader, const std::string& name)
{
    std::istringstream in(cookieHeader);
    for (std::string part; std::getline(in, part, ';');) {
        std::size_t start = part.find_first_not_of(' ');
        if (start == std::string::npos) continue;
        part = part.substr(start);
        if (part.compare(0, name.size() + 1, name + "=") == 0) return part.substr(name.size() + 1);
    }
    return "";
}

WebReply TeacherSite::handle(const WebRequest& request, QuizStore& store)
{
    bool reading = request.method == "GET" || request.method == "HEAD";
    if (!reading && request.method != "POST") {
        WebReply r = html(405, TeacherPages::message("Método não aceito", "Use o navegador.", false));
        r.headers.emplace_back("Allow", "GET, HEAD, POST");
        return r;
    }
    if (request.path == "/entrar") {
        if (reading) return html(200, TeacherPages::logIn(""));
        return logIn(request, store);
    }
    std::string token = cookie(request.cookie, kCookie);
    std::optional<TeacherSessions::Session> session = sessions_.find(token);
    if (!session) {
        if (!reading)
            return html(403, TeacherPages::message("Sessão encerrada",
                                                   "Sua sessão expirou ou não existe: "
                                                   "entre de novo.",
                                                   false));
        if (token.empty()) return redirect("/entrar");
        return html(401, TeacherPages::logIn("Sua sessão expirou. Entre de novo."));
    }
    if (reading) return show(request, *session, store);
    if (request.bodyTooLarge)
        return html(413, TeacherPages::message("Arquivo grande demais", "O limite é de 4 MB por envio.", true));
    std::optional<FormData> form = FormData::parse(request.contentType, request.body);
    if (!form || !TeacherSessions::sameToken(form->get("token"), session->formToken))
        return html(403, TeacherPages::message("Formulário recusado",
                                               "O formulário veio sem a chave de segurança desta sessão. Volte, "
                                               "recarregue a página e tente de novo.",
                                               true));
    try {
        return change(request, *session, *form, store);
    } catch (const BankFull& full) {
        return html(422, TeacherPages::message("Nada importado", std::string("O banco aceita ") + full.what() + ".",
                                               true));
    }
}

WebReply TeacherSite::logIn(const WebRequest& request, QuizStore& store)
{
    std::optional<FormData> form = FormData::parse(request.contentType, request.body);
    if (!form) return html(400, TeacherPages::logIn("Formulário inválido."));
    std::string name = form->get("usuario");
    std::string browser = cookie(request.cookie, kBrowserCookie);
    if (browser.empty()) browser = TeacherSessions::randomToken(); // known only once it signs in
    PasswordGate::Verdict verdict =
        gate_.check("professor:" + name, form->get("senha"), request.peer, store.teacherHash(name), browser);
    if (verdict.outcome == PasswordGate::Outcome::Throttled)
        return html(429, TeacherPages::logIn("Muitas tentativas com senha errada. Tente de novo daqui a " +
                                             std::to_string(verdict.wait.count()) +
                                             " segundos, ou entre pelo navegador onde já entrou antes."));
    if (verdict.outcome == PasswordGate::Outcome::Refused)
        return html(403, TeacherPages::logIn("Usuário ou senha inválidos (só contas de professor entram aqui)."));
    TeacherSessions::Session session = sessions_.open(name);
    WebReply r = redirect("/");
    r.headers.emplace_back("Set-Cookie", std::string(kCookie) + "=" + session.token +
                                             "; Path=/; HttpOnly; "
                                             "SameSite=Strict; Max-Age=" +
                                             std::to_string(sessions_.lifetime().count()));
    r.headers.emplace_back("Set-Cookie", std::string(kBrowserCookie) + "=" + browser +
                                             "; Path=/entrar; HttpOnly; SameSite=Strict; Max-Age=" +
                                             std::to_string(kBrowserSeconds));
    return r;
}

WebReply TeacherSite::show(const WebRequest& request, const TeacherSessions::Session& session, QuizStore& store)
{
    ClassReport report(store);
    const std::string& token = session.formToken;
    if (request.path == "/") {
        std::vector<StudentRow> students = report.students();
        std::string mission =
            ClassViewPage::classNow(students, MissionTimeline::byStudent(EventStore(store.database()).latestGames()));
        return html(200, TeacherPages::classAtAGlance(token, students, report.bankSize(), kRefreshSeconds,
                                                      LockSection::html(token, gate_.locks()) + mission));
    }
    if (request.path == "/gerenciar") return html(200, TeacherPages::manage(token, ""));
    if (request.path == "/turma") {
        std::optional<QueryString> query = QueryString::parse(request.target);
        std::optional<long> id = query ? positiveNumber(query->get("id")) : std::nullopt;
        std::optional<ClassImports::Progress> progress = id ? imports_.progress(*id) : std::nullopt;
        if (!progress)
            return html(404, TeacherPages::message("Lista não encontrada",
                                                   "Essa lista não está mais aqui: veja a turma para saber "
                                                   "quem foi gravado.",
                                                   true));
        return html(200, ClassImportPage::html(token, *progress));
    }
    if (request.path == "/aluno") {
        std::optional<QueryString> query = QueryString::parse(request.target);
        std::optional<long> id = query ? positiveNumber(query->get("id")) : std::nullopt;
        std::optional<std::string> name = id ? report.studentName(*id) : std::nullopt;
        if (!name)
            return html(404, TeacherPages::message("Aluno não encontrado", "Não há aluno com esse número.", true));
        std::vector<AttemptRow> attempts = report.attempts(*id);
        MissionTimeline timeline(EventStore(store.database()).of(*id));
        timeline.attach(attempts);
        return html(200, TeacherPages::student(token, *name, attempts, ClassViewPage::timeline(timeline)));
    }
    if (request.path == "/resultados.csv") {
        std::ostringstream csv;
        ResultsCsv::write(csv, store.results());
        WebReply r = html(200, csv.str());
        r.contentType = "text/csv; charset=utf-8";
        r.headers.emplace_back("Content-Disposition", "attachment; filename=\"resultados.csv\"");
        return r;
    }
    if (std::optional<WebReply> editor = BankEditor(store, token).show(request)) return secured(*editor);
    return html(404, TeacherPages::message("Página não encontrada", "Essa página não existe.", true));
}

WebReply TeacherSite::change(const WebRequest& request, const TeacherSessions::Session& session, const FormData& form,
                             QuizStore& store)
{
    const std::string& token = session.formToken;
    if (request.path == "/sair") {
        sessions_.close(session.token);
        WebReply r = redirect("/entrar");
        r.headers.emplace_back("Set-Cookie", std::string(kCookie) + "=; Path=/; HttpOnly; SameSite=Strict; Max-Age=0");
        return r;
    }
    if (request.path == "/importar") {
        GiftParser::Result parsed = GiftParser().parse(form.get("arquivo"));
        ImportCount count = store.importQuestions(parsed.questions);
        return html(200,
                    TeacherPages::importReport(token, form.fileName("arquivo"), count.added, count.updated, parsed));
    }
    if (request.path == "/aluno") return addStudent(session, form, store);
    if (request.path == "/liberar") {
        gate_.lift(form.get("tipo") == "endereco", form.get("chave"));
        return redirect("/");
    }
    if (request.path == "/turma") {
        ClassList::Result list = ClassList::parse(form.get("arquivo"));
        if (!list.problems.empty()) return html(422, TeacherPages::classListReport(token, 0, list.problems));
        return redirect("/turma?id=" + std::to_string(imports_.start(std::move(list.students))));
    }
    if (std::optional<WebReply> editor = BankEditor(store, token).change(request.path, form)) return secured(*editor);
    return html(404, TeacherPages::message("Página não encontrada", "Essa página não existe.", true));
}

WebReply TeacherSite::addStudent(const TeacherSessions::Session& session, const FormData& form, QuizStore& store)
{
    std::string name = form.get("usuario");
    std::string password = form.get("senha");
    std::string why = UserName::problem(name);
    if (why.empty() && password.empty()) why = "senha vazia";
    if (!why.empty()) return html(422, TeacherPages::manage(session.formToken, "Nada gravado: " + why + "."));
    bool created = store.addUser(name, password);
    return html(200, TeacherPages::manage(session.formToken,
                                          (created ? "Aluno cadastrado: " : "Senha trocada: ") + name + "."));
}

}
