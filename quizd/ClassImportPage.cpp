// While the list is being saved the page reloads itself every second; the finished one does not.
#include "ClassImportPage.h"

#include "TeacherPages.h"

namespace quizd {

std::string ClassImportPage::html(const std::string& formToken, const ClassImports::Progress& progress)
{
    if (progress.done && progress.error.empty()) return TeacherPages::classListReport(formToken, progress.total, {});
    if (progress.done)
        return TeacherPages::page("Lista da turma", formToken,
                                  "<div class=\"box\" id=\"relatorio\"><p class=\"bad\">Nenhum aluno gravado: " +
                                      TeacherPages::escape(progress.error) +
                                      "</p><p><a href=\"/gerenciar\">Voltar</a></p></div>");
    int percent = progress.total > 0 ? int(100 * progress.hashed / progress.total) : 0;
    std::string body = "<div class=\"box\" id=\"relatorio\"><h2>Lista da turma</h2><p id=\"progresso\">Preparando as "
                       "senhas: " +
                       std::to_string(progress.hashed) + " de " + std::to_string(progress.total) +
                       " <span class=\"track\"><span class=\"bar\" style=\"width:" + std::to_string(percent) +
                       "%\"></span></span></p><p class=\"note\">Os alunos são gravados todos juntos no fim. O jogo "
                       "continua atendendo a turma enquanto isso; esta página se atualiza sozinha.</p></div>";
    return TeacherPages::page("Lista da turma", formToken, body, "<meta http-equiv=\"refresh\" content=\"1\">");
}

}
