// Every text from the database or from a student (names, answers, bank texts) goes through escape():
// an answer typed in the game is attacker's text on the teacher's screen.
#include "TeacherPages.h"

#include <cstdio>

namespace quizd {
namespace {

const char* kStyle = R"(
body { font-family: sans-serif; margin: 0; color: #1d2733; background: #f4f6f8; }
header { background: #1f4e79; color: #fff; padding: 10px 20px; display: flex; align-items: center; gap: 24px; }
header h1 { font-size: 20px; margin: 0; flex: 1; }
header a, header button { color: #fff; background: none; border: none; font-size: 15px; cursor: pointer; text-decoration: none; }
header form { margin: 0; }
main { padding: 16px 20px; }
table { border-collapse: collapse; background: #fff; width: 100%; }
th, td { border-bottom: 1px solid #d6dde4; padding: 6px 10px; text-align: left; vertical-align: top; }
th { background: #e6ecf2; }
td.n { text-align: right; font-variant-numeric: tabular-nums; }
.ok { color: #1b7a2f; font-weight: bold; }
.bad { color: #b3261e; font-weight: bold; }
.note { color: #5a6673; font-size: 14px; }
.box { background: #fff; border: 1px solid #d6dde4; padding: 12px 16px; margin-bottom: 16px; max-width: 720px; }
.box h2 { font-size: 17px; margin: 16px 0 8px; }
.box h2:first-child { margin-top: 0; }
.box th:first-child { width: 1%; white-space: nowrap; }
label { display: inline-block; min-width: 90px; }
input[type=text], input[type=password] { padding: 5px; margin: 4px 0; width: 220px; }
button.main { background: #1f4e79; color: #fff; border: none; padding: 7px 14px; cursor: pointer; }
.msg { background: #fff6d6; border: 1px solid #e0c45c; padding: 8px 12px; margin-bottom: 14px; max-width: 720px; }
.login { max-width: 340px; margin: 60px auto; }
.track { display: inline-block; width: 100px; height: 10px; background: #dfe5eb; vertical-align: middle; }
.bar { display: block; height: 10px; background: #2e7d32; }
h2.secao { font-size: 17px; margin: 18px 0 8px; }
tr.parado td { background: #fde2e0; }
)";

std::string number(long n)
{
    return std::to_string(n);
}

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::Text: return "resposta escrita";
    case Kind::OneChoice: return "uma alternativa";
    case Kind::SeveralChoices: return "várias alternativas";
    default: return "número";
    }
}

}

std::string TeacherPages::tokenField(const std::string& formToken)
{
    return "<input type=\"hidden\" name=\"token\" value=\"" + escape(formToken) + "\">";
}

std::string TeacherPages::escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

// "2026-12-07T22:49:49.123Z" -> "07/12 22:49:49 UTC"
std::string TeacherPages::when(const std::string& isoUtc)
{
    if (isoUtc.size() < 19) return escape(isoUtc);
    return isoUtc.substr(8, 2) + "/" + isoUtc.substr(5, 2) + " " + isoUtc.substr(11, 8) + " UTC";
}

std::string TeacherPages::page(const std::string& title, const std::string& formToken, const std::string& body,
                               const std::string& head)
{
    std::string nav;
    if (!formToken.empty())
        nav = "<a href=\"/\">Turma</a><a href=\"/questoes\">Questões</a><a href=\"/gerenciar\">Gerenciar</a>"
              "<form method=\"post\" action=\"/sair\">" +
              tokenField(formToken) + "<button>Sair</button></form>";
    return "<!DOCTYPE html>\n<html lang=\"pt-BR\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">" +
           head + "<title>" + escape(title) + " - quizd</title><style>" + kStyle +
           "</style></head><body>"
           "<header><h1>quizd · " +
           escape(title) + "</h1>" + nav + "</header><main>" + body + "</main></body></html>\n";
}

std::string TeacherPages::logIn(const std::string& message)
{
    std::string body = "<div class=\"box login\"><h2>Entrar como professor</h2>";
    if (!message.empty()) body += "<p class=\"bad\" id=\"erro\">" + escape(message) + "</p>";
    body += "<form method=\"post\" action=\"/entrar\">"
            "<label for=\"usuario\">Usuário</label><input type=\"text\" id=\"usuario\" name=\"usuario\" autofocus><br>"
            "<label for=\"senha\">Senha</label><input type=\"password\" id=\"senha\" name=\"senha\"><br>"
            "<button class=\"main\" id=\"entrar\">Entrar</button></form>"
            "<p class=\"note\">Contas de professor: <code>quizd addteacher BANCO.db NOME SENHA</code>. "
            "Contas de aluno não entram aqui.</p></div>";
    return page("Página do professor", "", body);
}

std::string TeacherPages::classAtAGlance(const std::string& formToken, const std::vector<StudentRow>& students,
                                         long bankSize, unsigned refreshSeconds, const std::string& mission)
{
    std::string body = "<p class=\"note\">" + number(long(students.size())) + " alunos, " + number(bankSize) +
                       " questões no banco. Esta página se atualiza sozinha a cada " + number(long(refreshSeconds)) +
                       " segundos.</p>" + mission +
                       "<table id=\"turma\"><tr><th>Aluno</th><th>Questões certas</th><th>Tentativas</th>"
                       "<th>Erradas</th><th>Última resposta</th><th>Quando</th></tr>";
    for (const StudentRow& s : students) {
        int width = bankSize > 0 ? int(100 * s.rightQuestions / bankSize) : 0;
        body += "<tr><td><a href=\"/aluno?id=" + number(s.id) + "\">" + escape(s.name) +
                "</a></td>"
                "<td class=\"n\">" +
                number(s.rightQuestions) + " de " + number(bankSize) +
                " <span class=\"track\"><span class=\"bar\" style=\"width:" + std::to_string(width) +
                "%\"></span></span></td>"
                "<td class=\"n\">" +
                number(s.tries) + "</td><td class=\"n\">" + number(s.wrong) + "</td>";
        if (s.lastQuestion == 0) {
            body += "<td class=\"note\">nenhuma ainda</td><td></td></tr>";
            continue;
        }
        body += "<td>questão " + number(s.lastQuestion) + ": " + escape(s.lastAnswer) + " <span class=\"" +
                (s.lastRight ? "ok\">certa" : "bad\">errada") + "</span></td><td>" + when(s.lastWhen) + "</td></tr>";
    }
    if (students.empty())
        body += "<tr><td colspan=\"6\" class=\"note\">Nenhum aluno ainda: cadastre em Gerenciar.</td></tr>";
    body += "</table>";
    return page("Turma", formToken, body,
                "<meta http-equiv=\"refresh\" content=\"" + std::to_string(refreshSeconds) + "\">");
}

std::string TeacherPages::student(const std::string& formToken, const std::string& name,
                                  const std::vector<AttemptRow>& rows, const std::string& timeline)
{
    std::string body = timeline + "<p class=\"note\">Todas as tentativas de " + escape(name) +
                       ", da primeira à última.</p>"
                       "<table id=\"tentativas\"><tr><th>#</th><th>Quando</th><th>Questão</th><th>Resposta</th>"
                       "<th>Resultado</th></tr>";
    int k = 0;
    for (const AttemptRow& a : rows)
        body += "<tr><td class=\"n\">" + std::to_string(++k) + "</td><td>" + when(a.when) + "</td><td>" +
                number(a.questionId) + ": " + escape(a.questionText) +
                (a.earlierVersion ? " <span class=\"note\">(versão anterior à correção)</span>" : "") +
                "</td><td>" + escape(a.answer) + "</td><td>" +
                (a.right ? "<span class=\"ok\">certa</span>" : "<span class=\"bad\">errada</span>") + "</td></tr>";
    if (rows.empty()) body += "<tr><td colspan=\"5\" class=\"note\">Nenhuma resposta ainda.</td></tr>";
    return page("Aluno " + name, formToken, body + "</table>");
}

std::string TeacherPages::manage(const std::string& formToken, const std::string& message)
{
    std::string token = tokenField(formToken);
    std::string body;
    if (!message.empty()) body += "<div class=\"msg\" id=\"mensagem\">" + escape(message) + "</div>";
    body += "<div class=\"box\"><h2>Importar questões (GIFT)</h2>"
            "<form method=\"post\" action=\"/importar\" enctype=\"multipart/form-data\">" +
            token +
            "<input type=\"file\" id=\"gift\" name=\"arquivo\" accept=\".gift,.txt\"> "
            "<button class=\"main\" id=\"importar\">Importar</button></form>"
            "<p class=\"note\">Arquivo GIFT do Moodle em UTF-8. Questões já existentes (mesmo texto) são "
            "atualizadas; o relatório diz o que foi recusado e por quê, com a linha.</p></div>"
            "<div class=\"box\"><h2>Aluno: cadastrar ou trocar a senha</h2>"
            "<form method=\"post\" action=\"/aluno\">" +
            token +
            "<label for=\"nome\">Usuário</label><input type=\"text\" id=\"nome\" name=\"usuario\"><br>"
            "<label for=\"nova\">Senha</label><input type=\"text\" id=\"nova\" name=\"senha\"><br>"
            "<button class=\"main\" id=\"gravar\">Gravar</button></form></div>"
            "<div class=\"box\"><h2>Lista da turma (CSV)</h2>"
            "<form method=\"post\" action=\"/turma\" enctype=\"multipart/form-data\">" +
            token +
            "<input type=\"file\" id=\"lista\" name=\"arquivo\" accept=\".csv,.txt\"> "
            "<button class=\"main\" id=\"enviar\">Enviar</button></form>"
            "<p class=\"note\">Uma linha <code>usuario,senha</code> (ou com <code>;</code>) por aluno. Se uma linha "
            "tiver problema, nada é gravado.</p></div>"
            "<div class=\"box\"><h2>Resultados</h2><a id=\"csv\" href=\"/resultados.csv\" download>Baixar "
            "resultados.csv</a><p class=\"note\">Por aluno: respondidas, certas, erradas, primeira e última "
            "resposta (horários em UTC).</p></div>";
    return page("Gerenciar", formToken, body);
}

std::string TeacherPages::importReport(const std::string& formToken, const std::string& file, int added, int updated,
                                       const GiftParser::Result& parsed)
{
    std::string body = "<div class=\"box\" id=\"relatorio\"><h2>Importação de " + escape(file) + "</h2><p>" +
                       std::to_string(added) + " questões novas, " + std::to_string(updated) + " atualizadas, " +
                       std::to_string(parsed.problems.size()) + " recusadas.</p>";
    if (!parsed.problems.empty()) {
        body += "<table id=\"recusadas\"><tr><th>Linha</th><th>Recusada porque</th></tr>";
        for (const ImportProblem& p : parsed.problems)
            body += "<tr><td class=\"n\">" + std::to_string(p.line) + "</td><td>" + escape(p.message) + "</td></tr>";
        body += "</table>";
    }
    if (!parsed.questions.empty()) {
        body += "<h2>Importadas</h2><table id=\"importadas\"><tr><th>Tipo</th><th>Questão</th></tr>";
        for (const Question& q : parsed.questions)
            body += "<tr><td>" + std::string(kindName(q.kind)) + "</td><td>" + escape(q.text) + "</td></tr>";
        body += "</table>";
    }
    body += "<p><a href=\"/questoes\">Ver as questões</a> · <a href=\"/gerenciar\">Voltar</a></p></div>";
    return page("Importação", formToken, body);
}

std::string TeacherPages::classListReport(const std::string& formToken, std::size_t saved,
                                          const std::vector<ClassList::Problem>& problems)
{
    std::string body = "<div class=\"box\" id=\"relatorio\"><h2>Lista da turma</h2>";
    if (problems.empty()) {
        body += "<p>" + std::to_string(saved) + " alunos gravados.</p>";
    } else {
        body += "<p class=\"bad\">Nenhum aluno gravado: corrija a lista e envie de novo.</p>"
                "<table><tr><th>Linha</th><th>Problema</th></tr>";
        for (const ClassList::Problem& p : problems)
            body += "<tr><td class=\"n\">" + std::to_string(p.line) + "</td><td>" + escape(p.message) + "</td></tr>";
        body += "</table>";
    }
    body += "<p><a href=\"/\">Ver a turma</a> · <a href=\"/gerenciar\">Voltar</a></p></div>";
    return page("Lista da turma", formToken, body);
}

std::string TeacherPages::message(const std::string& title, const std::string& text, bool signedIn)
{
    std::string link = signedIn ? "<a href=\"/\">Voltar à turma</a>" : "<a href=\"/entrar\">Entrar</a>";
    return page(title, "", "<div class=\"box\"><p id=\"mensagem\">" + escape(text) + "</p><p>" + link + "</p></div>");
}

}
