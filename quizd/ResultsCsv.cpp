// Names come from class lists and web forms: a name such as "=HYPERLINK(...)" must stay text in the sheet.
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
    out << "usuario,respondidas,certas,erradas,primeira_resposta,ultima_resposta\n";
    for (const StudentResult& r : results)
        out << field(r.username) << "," << r.answered << "," << r.right << "," << r.wrong << "," << r.firstAnswer << ","
            << r.lastAnswer << "\n";
}

}
