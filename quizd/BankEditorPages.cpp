// The preview draws the window at the game's own pixel sizes, one line per line the game makes, so the
// browser's font cannot move a break; lines the window cannot show are drawn struck through.
#include "BankEditorPages.h"

#include "DialogLayout.h"
#include "TeacherPages.h"
#include "codepage.h"

namespace quizd {
namespace {

const char* kEditorStyle = R"(<style>
.erro { color: #b3261e; font-size: 14px; display: block; margin: 2px 0 8px; }
textarea { width: 100%; max-width: 640px; height: 70px; padding: 5px; font: inherit; }
input.alt[type=text] { width: 380px; }
.lado { display: flex; flex-wrap: wrap; gap: 16px; align-items: flex-start; }
.lado > .box { flex: 0 1 460px; margin: 0; }
.lado > .box.previa { flex: 0 0 auto; max-width: none; }
.kinds a { margin-right: 14px; white-space: nowrap; }
.jogo { position: relative; width: 650px; height: 450px; background: #fff; border: 1px solid #8a96a3;
        font-family: 'DejaVu Sans Condensed', 'DejaVu Sans', sans-serif; font-size: 13px; margin: 10px 0; }
.jogo .barra { background: #9a9a9a; color: #fff; height: 18px; padding-left: 4px; font-size: 13px; }
.jogo div.linha { height: 18px; line-height: 18px; white-space: pre; }
.jogo .cortada { color: #b3261e; text-decoration: line-through; }
.jogo .abs { position: absolute; overflow: hidden; }
.jogo .caixa { border: 1px solid #777; background: #fff; }
.jogo .botao { border: 1px solid #777; background: #e4e4e4; text-align: center; line-height: 17px; }
.jogo .marca { display: inline-block; width: 13px; height: 13px; border: 1px solid #555; vertical-align: middle;
               margin-right: 8px; }
.jogo .rotulo { white-space: pre; }
.retirada td { color: #7a8590; }
td.tipo { white-space: nowrap; }
.jogo .opcao { display: flex; align-items: center; }
</style>)";

const std::string kKinds[] = {"uma", "vf", "varias", "escrita", "numero"};

std::string number(long n)
{
    return std::to_string(n);
}

std::string onWire(const std::string& utf8)
{
    std::string bytes;
    long bad = 0;
    utf8ToCp1252(utf8, bytes, bad);
    return bytes;
}

std::string box(int left, int top, int width, int height, const std::string& cls, const std::string& inner)
{
    return "<div class=\"abs " + cls + "\" style=\"left:" + std::to_string(left) + "px;top:" + std::to_string(top) +
           "px;width:" + std::to_string(width) + "px;height:" + std::to_string(height) + "px\">" + inner + "</div>";
}

std::string hidden(const std::string& name, const std::string& value)
{
    return "<input type=\"hidden\" name=\"" + name + "\" value=\"" + TeacherPages::escape(value) + "\">";
}

std::string postButton(const std::string& formToken, const std::string& action, long id, const std::string& label)
{
    return "<form method=\"post\" action=\"" + action + "\" style=\"display:inline\">" +
           TeacherPages::tokenField(formToken) + hidden("id", number(id)) + "<button id=\"" + action.substr(9) + "-" +
           number(id) + "\">" + label + "</button></form>";
}

}

std::string BankEditorPages::bank(const std::string& formToken, const std::vector<Question>& questions,
                                  const std::vector<QuestionRow>& records, const std::string& message)
{
    std::string body;
    if (!message.empty()) body += "<div class=\"msg\" id=\"mensagem\">" + TeacherPages::escape(message) + "</div>";
    body += "<div class=\"box kinds\"><h2>Nova questão</h2>";
    for (const std::string& kind : kKinds)
        body += "<a id=\"nova-" + kind + "\" href=\"/questao/nova?tipo=" + kind + "\">" +
                QuestionForm::kindLabel(kind) + "</a>";
    body += "<h2>Planilha (CSV)</h2><form method=\"post\" action=\"/planilha\" enctype=\"multipart/form-data\">" +
            TeacherPages::tokenField(formToken) +
            "<input type=\"file\" id=\"planilha\" name=\"arquivo\" accept=\".csv,.txt\"> "
            "<button class=\"main\" id=\"conferir\">Conferir</button></form>"
            "<p class=\"note\">Uma questão por linha: a pergunta, a resposta certa (várias: separadas por "
            "<code>|</code>) e as erradas, uma por coluna; vírgula ou ponto e vírgula. O tipo sai do que a linha "
            "tem; nada é gravado antes de você ver o relatório. <a id=\"modelo\" href=\"/modelo.csv\" "
            "download>Baixar o modelo</a>.</p>"
            "<h2>Levar o banco</h2><a id=\"gift\" href=\"/questoes.gift\" download>Baixar as questões em GIFT</a>"
            "<p class=\"note\">Para o Moodle ou outro quizd (Gerenciar → Importar). As retiradas ficam de "
            "fora.</p></div>";
    std::map<long, QuestionRow> byId;
    for (const QuestionRow& r : records) byId[r.id] = r;
    std::string active, retired;
    for (const Question& q : questions) (q.retired ? retired : active) += questionRow(formToken, q, byId[q.id]);
    std::string head = "<tr><th>Nº</th><th>Tipo</th><th>Questão</th><th>Tentativas</th><th>Certas na 1ª tentativa</th>"
                       "<th>Respostas erradas mais comuns</th><th></th></tr>";
    if (active.empty())
        active = "<tr><td colspan=\"7\" class=\"note\">Nenhuma questão sendo feita: crie uma acima ou importe um "
                 "arquivo GIFT em Gerenciar.</td></tr>";
    body += "<table id=\"questoes\">" + head + active + "</table>";
    if (!retired.empty())
        body += "<h2>Retiradas</h2><p class=\"note\">Não são mais perguntadas; as respostas e os números "
                "ficam.</p><table id=\"retiradas\">" + head + retired + "</table>";
    return TeacherPages::page("Questões", formToken, body, kEditorStyle);
}

std::string BankEditorPages::questionRow(const std::string& formToken, const Question& q, const QuestionRow& record)
{
    std::string share = "-";
    if (record.students > 0)
        share = number(record.rightFirstTry * 100 / record.students) + "% (" + number(record.rightFirstTry) +
                " de " + number(record.students) + ")";
    std::string wrong;
    for (const auto& [text, n] : record.commonWrong)
        wrong += "<div>" + TeacherPages::escape(text) + " <span class=\"note\">(" + number(n) + "×)</span></div>";
    std::string version;
    if (q.version > 1)
        version = "<div class=\"note\" id=\"versao-" + number(q.id) + "\">corrigida: versão " + number(q.version) +
                  (record.earlierTries ? "; " + number(record.earlierTries) + " das tentativas foram em versões "
                                                                                "anteriores"
                                       : "") +
                  "</div>";
    std::string actions = "<a id=\"corrigir-" + number(q.id) + "\" href=\"/questao?id=" + number(q.id) +
                          "\">Corrigir</a> " +
                          (q.retired ? postButton(formToken, "/questao/devolver", q.id, "Devolver")
                                     : postButton(formToken, "/questao/retirar", q.id, "Retirar"));
    return std::string("<tr") + (q.retired ? " class=\"retirada\"" : "") + "><td class=\"n\">" + number(q.id) +
           "</td><td class=\"tipo\">" + QuestionForm::kindLabel(QuestionForm::of(q).kind()) + "</td><td>" +
           TeacherPages::escape(q.text) + version + "</td><td class=\"n\">" + number(record.tries) +
           "</td><td class=\"n\">" + share + "</td><td>" + wrong + "</td><td>" + actions + "</td></tr>";
}

std::string BankEditorPages::field(const QuestionForm& form, const std::string& name, const std::string& label,
                                   const std::string& input)
{
    std::string why = form.error(name);
    return "<label for=\"" + name + "\">" + label + "</label><br>" + input +
           (why.empty() ? "" : "<span class=\"erro\" id=\"erro-" + name + "\">" + TeacherPages::escape(why) + "</span>") +
           "<br>";
}

std::string BankEditorPages::choiceFields(const QuestionForm& form, bool several)
{
    std::string out = "<p class=\"note\">Até cinco alternativas; marque " +
                      std::string(several ? "as certas (pelo menos duas)" : "a certa") +
                      ". O jogo mostra a cada aluno numa ordem própria.</p>";
    for (int k = 1; k <= int(kMaxAlternatives); ++k) {
        std::string n = std::to_string(k);
        std::string mark = several ? "<input type=\"checkbox\" name=\"marca" + n + "\" value=\"sim\" id=\"marca" + n +
                                         "\"" + (form.value("marca" + n) == "sim" ? " checked" : "") + ">"
                                   : "<input type=\"radio\" name=\"certa\" value=\"" + n + "\" id=\"certa" + n + "\"" +
                                         (form.value("certa") == n ? " checked" : "") + ">";
        out += field(form, "alt" + n, "Alternativa " + n,
                     mark + " <input type=\"text\" class=\"alt\" name=\"alt" + n + "\" id=\"alt" + n + "\" value=\"" +
                         TeacherPages::escape(form.value("alt" + n)) + "\">");
    }
    for (const std::string& name : {std::string("alt6"), std::string("certa")})
        if (!form.error(name).empty())
            out += "<span class=\"erro\" id=\"erro-" + name + "\">" + TeacherPages::escape(form.error(name)) + "</span>";
    return out;
}

std::string BankEditorPages::fields(const QuestionForm& form)
{
    std::string kind = form.kind();
    std::string out = field(form, "texto", "Pergunta",
                            "<textarea name=\"texto\" id=\"texto\">" + TeacherPages::escape(form.value("texto")) +
                                "</textarea>");
    if (kind == "uma" || kind == "varias") return out + choiceFields(form, kind == "varias");
    if (kind == "vf") {
        std::string radios;
        for (const std::string& v : {std::string("verdadeiro"), std::string("falso")})
            radios += "<input type=\"radio\" name=\"vf\" value=\"" + v + "\" id=\"vf-" + v + "\"" +
                      (form.value("vf") == v ? " checked" : "") + "> " + (v == "falso" ? "Falso " : "Verdadeiro ");
        return out + field(form, "vf", "A afirmação é", radios);
    }
    if (kind == "escrita")
        return out + field(form, "respostas", "Respostas aceitas (uma por linha; maiúsculas e acentos não contam)",
                           "<textarea name=\"respostas\" id=\"respostas\">" +
                               TeacherPages::escape(form.value("respostas")) + "</textarea>");
    return out +
           field(form, "numero", "Resposta (número)",
                 "<input type=\"text\" name=\"numero\" id=\"numero\" value=\"" +
                     TeacherPages::escape(form.value("numero")) + "\">") +
           field(form, "tolerancia", "Tolerância (aceita de resposta − tolerância a resposta + tolerância)",
                 "<input type=\"text\" name=\"tolerancia\" id=\"tolerancia\" value=\"" +
                     TeacherPages::escape(form.value("tolerancia")) + "\">");
}

std::string BankEditorPages::preview(const Question& q)
{
    using L = DialogLayout;
    std::string lines;
    int k = 0;
    for (const std::string& line : L::wrap(onWire(q.text)))
        lines += std::string("<div class=\"linha") + (k++ >= L::visibleLines() ? " cortada" : "") + "\">" +
                 TeacherPages::escape(cp1252ToUtf8(line)) + "</div>";
    std::string window = "<div class=\"barra\">Mensagem</div>" +
                         box(L::kTextLeft, L::kTextTop, L::kTextWidth, L::kTextHeight + L::kLineHeight * 3, "", lines);
    int answerTop = L::kTextHeight + 25;
    if (q.kind == Kind::Text || q.kind == Kind::Number) {
        window += box(L::kTextLeft, answerTop, L::kTextWidth, L::kAnswerHeight, "caixa", "");
    } else {
        int slot = L::kAnswerHeight / int(kMaxAlternatives);
        for (std::size_t a = 0; a < q.alternatives.size(); ++a) {
            bool cut = L::width(onWire(q.alternatives[a])) > L::kCheckBoxLabelWidth;
            window += box(L::kTextLeft, answerTop + int(a) * slot, L::kTextWidth, slot - 2, "opcao",
                          "<span class=\"marca\"></span><span class=\"rotulo" + std::string(cut ? " cortada" : "") +
                              "\">" + TeacherPages::escape(q.alternatives[a]) + "</span>");
        }
    }
    int buttonsTop = L::kWindowHeight - 21;
    window += box(L::kTextRight / 2, buttonsTop, 100, 19, "botao", "ok") +
              box(L::kTextRight / 2 + 110, buttonsTop, 100, 19, "botao", "cancelar");
    int overflow = int(L::wrap(onWire(q.text)).size()) - L::visibleLines();
    std::string note = "<p class=\"note\">Como o jogo mostra a questão na menor janela (" +
                       std::to_string(L::kScreenWidth) + " × " + std::to_string(L::kScreenHeight) + ").</p>";
    if (overflow > 0)
        note += "<p class=\"bad\" id=\"aviso-linhas\">A pergunta passa de " + std::to_string(L::visibleLines()) +
                " linhas: as riscadas não aparecem na janela menor. Encurte o texto.</p>";
    return "<div class=\"box previa\"><h2>Pré-visualização</h2>" + note + "<div class=\"jogo\" id=\"previa\">" + window +
           "</div></div>";
}

std::string BankEditorPages::form(const std::string& formToken, long id, long version, const QuestionForm& form)
{
    std::string kind = form.kind();
    std::string title = id ? "Corrigir a questão " + number(id) : std::string("Nova questão");
    std::string body = "<div class=\"lado\"><div class=\"box\"><h2>" + std::string(QuestionForm::kindLabel(kind)) + "</h2>";
    if (id)
        body += "<p class=\"note\">Esta é a versão " + number(version) +
                ". Ao gravar, o jogo passa a mostrar o texto novo; as respostas já dadas continuam ligadas à versão "
                "que o aluno viu e seguem contando nos resultados.</p>";
    body += "<form method=\"post\" action=\"/questao\">" + TeacherPages::tokenField(formToken) + hidden("tipo", kind) +
            (id ? hidden("id", number(id)) : "") + fields(form) +
            "<button name=\"acao\" value=\"previa\" id=\"previsualizar\">Pré-visualizar</button> "
            "<button class=\"main\" name=\"acao\" value=\"gravar\" id=\"gravar\">Gravar</button> "
            "<a href=\"/questoes\">Voltar</a></form>";
    if (!form.ok()) body += "<p class=\"bad\" id=\"recusada\">Nada gravado: corrija os campos marcados.</p>";
    body += "</div>";
    if (form.error("texto").empty() && !form.value("texto").empty()) body += preview(form.question());
    body += "</div>";
    return TeacherPages::page(title, formToken, body, kEditorStyle);
}

std::string BankEditorPages::spreadsheetReport(const std::string& formToken, const std::string& file,
                                               const CsvQuestionImport::Result& parsed)
{
    std::string body = "<div class=\"box\" id=\"relatorio\"><h2>Planilha " + TeacherPages::escape(file) + "</h2>";
    if (parsed.problems.empty()) {
        body += "<p>" + number(long(parsed.questions.size())) +
                " questões prontas; nada foi gravado ainda.</p><form method=\"post\" action=\"/planilha/gravar\">" +
                TeacherPages::tokenField(formToken) + hidden("conteudo", parsed.utf8) +
                "<button class=\"main\" id=\"gravar-planilha\">Gravar as " + number(long(parsed.questions.size())) +
                " questões</button></form>";
    } else {
        body += "<p class=\"bad\">Nenhuma questão gravada: corrija as linhas abaixo na planilha e envie de "
                "novo.</p><table id=\"problemas\"><tr><th>Linha</th><th>Problema</th></tr>";
        for (const CsvQuestionImport::Problem& p : parsed.problems)
            body += "<tr><td class=\"n\">" + number(p.line) + "</td><td>" + TeacherPages::escape(p.message) +
                    "</td></tr>";
        body += "</table>";
    }
    body += "<h2>Linhas lidas</h2><table id=\"linhas\"><tr><th>Linha</th><th>Tipo</th><th>Pergunta</th></tr>";
    for (const CsvQuestionImport::Row& r : parsed.rows)
        body += "<tr><td class=\"n\">" + number(r.line) + "</td><td class=\"tipo\">" + QuestionForm::kindLabel(r.kind) + "</td><td>" +
                TeacherPages::escape(r.text) + "</td></tr>";
    body += "</table><p><a href=\"/questoes\">Voltar</a></p></div>";
    return TeacherPages::page("Planilha de questões", formToken, body, kEditorStyle);
}

std::string BankEditorPages::spreadsheetSaved(const std::string& formToken, int added, int updated)
{
    return TeacherPages::page("Planilha de questões", formToken,
                              "<div class=\"box\" id=\"relatorio\"><p>" + number(added) + " questões novas, " +
                                  number(updated) +
                                  " atualizadas (mesmo texto).</p><p><a href=\"/questoes\">Ver as "
                                  "questões</a></p></div>");
}

}
