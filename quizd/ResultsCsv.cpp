// Names come from class lists and web forms, stage titles from the game: a name such as "=HYPERLINK(...)" must stay
// text in the sheet.
#include "ResultsCsv.h"

#include <ostream>

namespace quizd {

std::string ResultsCsv::field(const std::string& text)
{
    std::string cell = text;
    if (!cell.empty() && std::string("=+-@\t\r").find(cell[0]) != std::string::npos) cell = "'" + cell;
    if (cell.find_first_of(",\"\n\r") == std::string::npos) return cell;
    std::string out = "\"";
    for (char c : cell) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

void ResultsCsv::write(std::ostream& out, const std::vector<StudentResult>& results)
{
    auto known = [](long n) { return n < 0 ? std::string() : std::to_string(n); };
    out << "usuario,respondidas,certas,erradas,primeira_resposta,ultima_resposta,etapa_alcancada,fase_alcancada,"
           "segundos_para_concluir\n";
    for (const StudentResult& r : results)
        out << field(r.username) << "," << r.answered << "," << r.right << "," << r.wrong << "," << r.firstAnswer << ","
            << r.lastAnswer << "," << known(r.stageReached) << "," << field(r.stageTitle) << ","
            << known(r.secondsToFinish) << "\n";
}

}
