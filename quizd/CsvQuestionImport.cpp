// Each row goes through the editor's own form checks, so a spreadsheet cannot put in the bank what the
// form would refuse; the file is checked whole before anything is written.
#include "CsvQuestionImport.h"

#include "QuestionForm.h"
#include "codepage.h"

#include <cstdlib>
#include <set>

namespace quizd {
namespace {

std::string trim(const std::string& s)
{
    std::size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
}

// The separator that splits the first row into more cells.
char separatorOf(const std::string& text)
{
    std::size_t commas = 0, semicolons = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '\n' && !quoted) break;
        if (c == '"') quoted = !quoted;
        else if (!quoted && c == ',') ++commas;
        else if (!quoted && c == ';') ++semicolons;
    }
    return semicolons >= commas && semicolons > 0 ? ';' : ',';
}

bool isNumber(const std::string& s)
{
    std::string t = s;
    for (char& c : t)
        if (c == ',') c = '.';
    char* end = nullptr;
    std::strtod(t.c_str(), &end);
    return !t.empty() && *end == '\0';
}

// "12", "3,14 ± 0,01", "3.14:0.01": the number and its tolerance, when the text is one.
bool numberAnswer(const std::string& text, std::string& number, std::string& tolerance)
{
    std::size_t mark = text.find("±");
    std::size_t width = 2;
    if (mark == std::string::npos) {
        mark = text.find(':');
        width = 1;
    }
    number = trim(text.substr(0, mark));
    tolerance = mark == std::string::npos ? "" : trim(text.substr(mark + width));
    return isNumber(number) && (tolerance.empty() || isNumber(tolerance));
}

std::vector<std::string> splitRights(const std::string& cell)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t bar; (bar = cell.find('|', start)) != std::string::npos; start = bar + 1)
        out.push_back(trim(cell.substr(start, bar - start)));
    out.push_back(trim(cell.substr(start)));
    std::vector<std::string> filled;
    for (const std::string& r : out)
        if (!r.empty()) filled.push_back(r);
    return filled;
}

std::string fieldName(const std::string& field)
{
    if (field == "texto") return "pergunta";
    if (field.compare(0, 3, "alt") == 0) return "alternativa " + field.substr(3);
    if (field == "certa" || field == "vf" || field == "respostas" || field == "numero") return "resposta certa";
    if (field == "tolerancia") return "tolerância";
    return field;
}

}

std::vector<std::pair<int, std::vector<std::string>>> CsvQuestionImport::records(const std::string& text, char separator)
{
    std::vector<std::pair<int, std::vector<std::string>>> out;
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    int line = 1, start = 1;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        char c = i < text.size() ? text[i] : '\n';
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
                if (c == '\n') ++line;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            cells.push_back(cell);
            cell.clear();
        } else if (c == '\n') {
            cells.push_back(cell);
            out.emplace_back(start, cells);
            cells.clear();
            cell.clear();
            start = ++line;
        } else if (c != '\r') {
            cell += c;
        }
    }
    return out;
}

std::string CsvQuestionImport::inferKind(const std::vector<std::string>& rights, std::size_t wrongs)
{
    if (wrongs > 0) return rights.size() > 1 ? "varias" : "uma";
    std::string number, tolerance;
    if (rights.size() == 1) {
        std::string folded = foldForComparison(rights[0]);
        if (folded == "v" || folded == "verdadeiro" || folded == "f" || folded == "falso") return "vf";
        if (numberAnswer(rights[0], number, tolerance)) return "numero";
    }
    return "escrita";
}

void CsvQuestionImport::readRow(int line, const std::vector<std::string>& cells, Result& result)
{
    std::vector<std::string> rights = splitRights(cells.size() > 1 ? cells[1] : "");
    std::vector<std::string> wrongs;
    for (std::size_t k = 2; k < cells.size(); ++k)
        if (!trim(cells[k]).empty()) wrongs.push_back(trim(cells[k]));
    QuestionForm::Values v{{"texto", cells[0]}, {"tipo", inferKind(rights, wrongs.size())}};
    const std::string& kind = v["tipo"];
    if (kind == "vf") {
        v["vf"] = foldForComparison(rights[0])[0] == 'v' ? "verdadeiro" : "falso";
    } else if (kind == "numero") {
        numberAnswer(rights[0], v["numero"], v["tolerancia"]);
    } else if (kind == "escrita") {
        for (const std::string& r : rights) v["respostas"] += r + "\n";
    } else {
        std::size_t k = 0;
        for (const std::string& r : rights) {
            v["alt" + std::to_string(++k)] = r;
            v["marca" + std::to_string(k)] = "sim";
            v["certa"] = std::to_string(k);
        }
        for (const std::string& w : wrongs) v["alt" + std::to_string(++k)] = w;
    }
    result.rows.push_back({line, kind, trim(cells[0])});
    if (rights.empty()) return result.problems.push_back({line, "sem resposta certa (a segunda coluna)"});
    QuestionForm form = QuestionForm::check(v);
    for (const auto& [field, why] : form.errors()) result.problems.push_back({line, fieldName(field) + ": " + why});
    if (form.ok()) result.questions.push_back(form.question());
}

CsvQuestionImport::Result CsvQuestionImport::parse(const std::string& bytes)
{
    Result result;
    bool marked = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0; // the UTF-8 mark some spreadsheets write
    result.utf8 = marked ? bytes.substr(3) : incomingText(bytes);
    std::set<std::string> seen;
    for (const auto& [line, cells] : records(result.utf8, separatorOf(result.utf8))) {
        std::string first = foldForComparison(trim(cells[0]));
        bool blank = true;
        for (const std::string& cell : cells) blank = blank && trim(cell).empty();
        if (blank) continue;
        if (result.rows.empty() && (first == "pergunta" || first == "questao" || first == "enunciado")) continue;
        std::size_t problems = result.problems.size();
        readRow(line, cells, result);
        if (result.problems.size() == problems && !seen.insert(foldForComparison(result.rows.back().text)).second)
            result.problems.push_back({line, "pergunta repetida na planilha"});
    }
    if (result.rows.empty()) result.problems.push_back({1, "planilha vazia"});
    return result;
}

std::string CsvQuestionImport::templateFile()
{
    return "pergunta;resposta certa (várias: separe com |);errada 1;errada 2;errada 3;errada 4\n"
           "Qual é a capital do Brasil?;Brasília;Rio de Janeiro;São Paulo;Salvador\n"
           "Quais são números primos?;2|3|5;4;9\n"
           "O Sol é uma estrela.;V\n"
           "Quanto é 7 x 8?;56\n"
           "Quanto vale pi, com duas casas?;3,14 ± 0,01\n"
           "Que gás as plantas absorvem?;gás carbônico|CO2|dióxido de carbono\n";
}

}
