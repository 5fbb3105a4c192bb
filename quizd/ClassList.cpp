// Every line is checked before anything is written, so a broken list is refused whole, not half imported.
#include "ClassList.h"

#include "UserName.h"
#include "codepage.h"

#include <set>
#include <sstream>

namespace quizd {

std::string ClassList::cell(const std::string& s)
{
    std::size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return "";
    std::string t = s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"') t = t.substr(1, t.size() - 2);
    return t;
}

ClassList::Result ClassList::parse(const std::string& bytes)
{
    Result result;
    std::istringstream in(bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes); // UTF-8 mark
    std::set<std::string> seen;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = incomingText(line); // spreadsheets here often save Windows-1252
        if (cell(line).empty()) continue;
        std::size_t sep = line.find_first_of(",;");
        std::string name = cell(line.substr(0, sep));
        std::string password = sep == std::string::npos ? "" : cell(line.substr(sep + 1));
        if (number == 1 && (name == "usuario" || name == "username")) continue;
        std::string why = UserName::problem(name);
        if (why.empty() && password.empty()) why = "linha sem usuario e senha";
        if (why.empty() && !seen.insert(name).second) why = "usuario repetido na lista: " + name;
        if (!why.empty()) result.problems.push_back({number, why});
        else result.students.emplace_back(name, password);
    }
    if (result.students.empty() && result.problems.empty()) result.problems.push_back({1, "lista vazia"});
    return result;
}

}
