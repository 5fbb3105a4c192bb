// The routes of the bank's editor on the teacher's page. Reading: GET /questoes, /questao/nova?tipo=K,
// /questao?id=N, /questoes.gift, /modelo.csv. Changing (with the session's token): POST /questao (acao
// previa or gravar), /questao/retirar, /questao/devolver, /planilha (the report), /planilha/gravar.
#pragma once
#include "FormData.h"
#include "QuizStore.h"
#include "WebRequest.h"

#include <optional>
#include <string>

namespace quizd {

class BankEditor {
public:
    BankEditor(QuizStore& store, const std::string& formToken) : store_(store), token_(formToken) {}

    // nullopt: the path is not the editor's. Replies carry status, body and type; the site adds its headers.
    std::optional<WebReply> show(const WebRequest& request);
    std::optional<WebReply> change(const std::string& path, const FormData& form);

private:
    WebReply bankPage(const std::string& message, int status = 200);
    WebReply questionForm(const std::string& target);
    WebReply save(const FormData& form);
    WebReply retire(const FormData& form, bool retired);
    WebReply spreadsheet(const std::string& file, const std::string& bytes, bool write);
    static WebReply page(int status, std::string body);
    static WebReply download(const std::string& type, const std::string& name, std::string body);

    QuizStore& store_;
    std::string token_;
};

}
