// A new question is written through the bank's import, so it takes the same path as a GIFT file; a
// fix goes through the store's versioned update. Texts already in the bank are refused at the form,
// next to the field, rather than by the database.
#include "BankEditor.h"

#include "BankEditorPages.h"
#include "ClassReport.h"
#include "GiftWriter.h"
#include "QueryString.h"
#include "QuestionForm.h"
#include "TeacherPages.h"
#include "codepage.h"

namespace quizd {
namespace {

std::optional<long> questionId(const std::string& s)
{
    if (s.empty() || s.size() > 4 || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::stol(s);
}

}

WebReply BankEditor::page(int status, std::string body)
{
    WebReply r;
    r.status = status;
    r.body = std::move(body);
    return r;
}

WebReply BankEditor::download(const std::string& type, const std::string& name, std::string body)
{
    WebReply r = page(200, std::move(body));
    r.contentType = type;
    r.headers.emplace_back("Content-Disposition", "attachment; filename=\"" + name + "\"");
    return r;
}

std::optional<WebReply> BankEditor::show(const WebRequest& request)
{
    if (request.path == "/questoes") return bankPage("");
    if (request.path == "/questao/nova" || request.path == "/questao") return questionForm(request.target);
    if (request.path == "/questoes.gift") {
        std::vector<Question> active;
        for (const Question& q : store_.questions())
            if (!q.retired) active.push_back(q);
        return download("text/plain; charset=utf-8", "questoes.gift", GiftWriter::write(active));
    }
    if (request.path == "/modelo.csv")
        return download("text/csv; charset=utf-8", "modelo-questoes.csv",
                        "\xEF\xBB\xBF" + CsvQuestionImport::templateFile());
    return std::nullopt;
}

std::optional<WebReply> BankEditor::change(const std::string& path, const FormData& form)
{
    if (path == "/questao") return save(form);
    if (path == "/questao/retirar") return retire(form, true);
    if (path == "/questao/devolver") return retire(form, false);
    if (path == "/planilha") return spreadsheet(form.fileName("arquivo"), form.get("arquivo"), false);
    if (path == "/planilha/gravar") return spreadsheet("", form.get("conteudo"), true);
    return std::nullopt;
}

WebReply BankEditor::bankPage(const std::string& message, int status)
{
    std::vector<QuestionRow> records = ClassReport(store_).questions();
    return page(status, BankEditorPages::bank(token_, store_.questions(), records, message));
}

WebReply BankEditor::questionForm(const std::string& target)
{
    std::optional<QueryString> query = QueryString::parse(target);
    if (!query) return bankPage("Endereço inválido.", 400);
    if (query->has("tipo")) {
        std::string kind = query->get("tipo");
        if (!*QuestionForm::kindLabel(kind)) return bankPage("Tipo de questão desconhecido.", 404);
        return page(200, BankEditorPages::form(token_, 0, 0, QuestionForm::blank(kind)));
    }
    std::optional<long> id = questionId(query->get("id"));
    std::optional<Question> q = id ? store_.question(*id) : std::nullopt;
    if (!q) return bankPage("Não há questão com esse número.", 404);
    return page(200, BankEditorPages::form(token_, q->id, q->version, QuestionForm::of(*q)));
}

WebReply BankEditor::save(const FormData& data)
{
    QuestionForm form = QuestionForm::check(QuestionForm::fieldsOf(data));
    std::optional<long> id = questionId(data.get("id"));
    std::optional<Question> old = id ? store_.question(*id) : std::nullopt;
    if (data.has("id") && !old) return bankPage("Não há questão com esse número.", 404);
    for (const Question& other : store_.questions())
        if (other.text == form.question().text && (!old || other.id != old->id))
            form.refuse("texto", "já existe a questão " + std::to_string(other.id) + " com este texto");
    long version = old ? old->version : 0;
    if (!form.ok() || data.get("acao") != "gravar")
        return page(form.ok() ? 200 : 422, BankEditorPages::form(token_, id.value_or(0), version, form));
    Question q = form.question();
    if (old) {
        q.id = old->id;
        store_.fixQuestion(q);
        return bankPage("Questão " + std::to_string(q.id) + " corrigida: o jogo mostra a versão " +
                        std::to_string(version + 1) + " daqui em diante.");
    }
    store_.importQuestions({q});
    return bankPage("Questão gravada: " + q.text);
}

WebReply BankEditor::retire(const FormData& form, bool retired)
{
    std::optional<long> id = questionId(form.get("id"));
    if (!id || !store_.question(*id)) return bankPage("Não há questão com esse número.", 404);
    store_.setRetired(*id, retired);
    return bankPage("Questão " + std::to_string(*id) +
                    (retired ? " retirada: não é mais perguntada; as respostas ficam." : " de volta ao jogo."));
}

WebReply BankEditor::spreadsheet(const std::string& file, const std::string& bytes, bool write)
{
    CsvQuestionImport::Result parsed = CsvQuestionImport::parse(bytes);
    if (!write || !parsed.problems.empty())
        return page(parsed.problems.empty() ? 200 : 422, BankEditorPages::spreadsheetReport(token_, file, parsed));
    ImportCount count = store_.importQuestions(parsed.questions);
    return page(200, BankEditorPages::spreadsheetSaved(token_, count.added, count.updated));
}

}
