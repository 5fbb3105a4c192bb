// GIFT: one question per blank-line separated block, "::title::", "[format]", text and an answer block
// in braces ("{=right ~wrong}", "{T}", "{#3:0.5}", "{=one =other}", "{~%50%a ~%50%b ~%-100%c}").
#include "GiftParser.h"

#include "codepage.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <sstream>

namespace quizd {
namespace {

const std::size_t kMaxAnswers = 100;   // far more than any real question; bounds the work per question

std::string trim(const std::string& s)
{
    std::size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return "";
    std::size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

bool startsWith(const std::string& s, const std::string& prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}

std::size_t findUnescaped(const std::string& s, const std::string& what, std::size_t from = 0)
{
    for (std::size_t i = from; i < s.size(); ++i) {
        if (s[i] == '\\') {
            ++i;
            continue;
        }
        if (s.compare(i, what.size(), what) == 0) return i;
    }
    return std::string::npos;
}

std::string unescape(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            ++i;
            out += s[i] == 'n' ? '\n' : s[i];
        } else {
            out += s[i] == '\t' ? ' ' : s[i];
        }
    }
    return trim(out);
}

std::string stripHtml(const std::string& s)
{
    static const std::pair<std::string, char> entities[] = {{"&nbsp;", ' '}, {"&lt;", '<'},   {"&gt;", '>'},
                                                            {"&quot;", '"'}, {"&#39;", '\''}, {"&amp;", '&'}};
    std::string out;
    bool inTag = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '<') inTag = true;
        else if (c == '>') inTag = false;
        else if (inTag) continue;
        else if (c != '&') out += c;
        else {
            auto known = std::find_if(std::begin(entities), std::end(entities),
                                      [&](const auto& e) { return s.compare(i, e.first.size(), e.first) == 0; });
            if (known == std::end(entities)) {
                out += c;
            } else {
                out += known->second;
                i += known->first.size() - 1;
            }
        }
    }
    return trim(out);
}

struct Choice {
    bool markedRight; // '=' rather than '~'
    double weight;    // percent; 100 for '=' without a weight, 0 for '~' without one
    std::string text;
};

// Positions of the top-level '=' and '~' marks, in one pass; nullopt past kMaxAnswers marks.
std::optional<std::vector<std::size_t>> choiceMarks(const std::string& body)
{
    std::vector<std::size_t> marks;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\\') ++i;
        else if (body[i] == '=' || body[i] == '~') marks.push_back(i);
        if (marks.size() > kMaxAnswers) return std::nullopt;
    }
    return marks;
}

// Splits "=a ~b#feedback ~%50%c" at its top-level '=' and '~' marks; nullopt when there are too many.
std::optional<std::vector<Choice>> splitChoices(const std::string& body)
{
    std::optional<std::vector<std::size_t>> marks = choiceMarks(body);
    if (!marks) return std::nullopt;
    std::vector<Choice> choices;
    for (std::size_t k = 0; k < marks->size(); ++k) {
        std::size_t i = (*marks)[k];
        std::size_t next = k + 1 < marks->size() ? (*marks)[k + 1] : body.size();
        std::string part = trim(body.substr(i + 1, next - i - 1));
        Choice c{body[i] == '=', body[i] == '=' ? 100.0 : 0.0, ""};
        if (startsWith(part, "%")) {
            std::size_t close = part.find('%', 1);
            if (close != std::string::npos) {
                c.weight = std::atof(part.substr(1, close - 1).c_str());
                part = part.substr(close + 1);
            }
        }
        c.text = part.substr(0, findUnescaped(part, "#"));
        choices.push_back(c);
    }
    return choices;
}

const std::string kTooManyAnswers = "mais de " + std::to_string(kMaxAnswers) + " respostas na questao";

bool parseNumber(const std::string& text, double& value)
{
    std::string s = trim(text);
    for (char& c : s)
        if (c == ',') c = '.';
    if (s.empty()) return false;
    char* end = nullptr;
    value = std::strtod(s.c_str(), &end);
    return end && *end == '\0';
}

// One numerical answer: "3.14:0.01", "1..5" or "3".
bool parseNumberRange(const std::string& text, NumberRange& range)
{
    std::size_t dots = text.find("..");
    std::size_t colon = findUnescaped(text, ":");
    double a = 0, b = 0;
    if (dots != std::string::npos) {
        if (!parseNumber(text.substr(0, dots), a) || !parseNumber(text.substr(dots + 2), b)) return false;
        range = {std::min(a, b), std::max(a, b)};
    } else if (colon != std::string::npos) {
        if (!parseNumber(text.substr(0, colon), a) || !parseNumber(text.substr(colon + 1), b)) return false;
        range = {a - b, a + b};
    } else {
        if (!parseNumber(text, a)) return false;
        range = {a, a};
    }
    return true;
}

class BlockMapper {
public:
    explicit BlockMapper(Question& q) : q_(q) {}

    // Fills the answer side of q from the text between the braces; returns an error or "".
    std::string mapAnswers(const std::string& rawBody)
    {
        std::string body = trim(rawBody);
        if (body.empty()) return "dissertativa (sem resposta para corrigir)";
        if (body[0] == '#') return mapNumber(body.substr(1));
        std::string head = trim(body.substr(0, findUnescaped(body, "#")));
        if (head == "T" || head == "TRUE" || head == "F" || head == "FALSE") return mapTrueFalse(head[0] == 'T');
        if (findUnescaped(body, "->") != std::string::npos) return "associacao (o jogo nao tem esse tipo)";
        std::optional<std::vector<Choice>> choices = splitChoices(body);
        if (!choices) return kTooManyAnswers;
        return mapChoices(*choices);
    }

private:
    std::string mapNumber(const std::string& body)
    {
        q_.kind = Kind::Number;
        if (findUnescaped(body, "=") == std::string::npos) {
            NumberRange r{};
            if (!parseNumberRange(body.substr(0, findUnescaped(body, "#")), r)) return "numero invalido";
            q_.acceptedNumbers.push_back(r);
            return "";
        }
        std::optional<std::vector<Choice>> choices = splitChoices(body);
        if (!choices) return kTooManyAnswers;
        for (const Choice& c : *choices) {
            NumberRange r{};
            if (!parseNumberRange(c.text, r)) return "numero invalido: " + trim(c.text);
            if (c.markedRight && c.weight >= 100) q_.acceptedNumbers.push_back(r);
        }
        return q_.acceptedNumbers.empty() ? "nenhuma resposta numerica com nota total" : "";
    }

    std::string mapTrueFalse(bool right)
    {
        q_.kind = Kind::OneChoice;
        q_.alternatives = {"Verdadeiro", "Falso"};
        q_.rightAlternatives = {right ? 0 : 1};
        q_.shuffle = false;
        return "";
    }

    std::string mapChoices(const std::vector<Choice>& choices)
    {
        if (choices.empty()) return "bloco de respostas sem '=' nem '~'";
        bool anyWrong = false;
        for (const Choice& c : choices) anyWrong = anyWrong || !c.markedRight;
        if (!anyWrong) {
            q_.kind = Kind::Text;
            for (const Choice& c : choices)
                if (c.weight >= 100) q_.acceptedTexts.push_back(unescape(c.text));
            return q_.acceptedTexts.empty() ? "nenhuma resposta com nota total" : "";
        }
        if (choices.size() > kMaxAlternatives)
            return "mais de " + std::to_string(kMaxAlternatives) + " alternativas (o jogo mostra no maximo 5)";
        for (std::size_t k = 0; k < choices.size(); ++k) {
            q_.alternatives.push_back(unescape(choices[k].text));
            if (q_.alternatives.back().empty()) return "alternativa vazia";
            if (choices[k].markedRight || choices[k].weight > 0) q_.rightAlternatives.push_back(int(k));
        }
        if (q_.rightAlternatives.empty()) return "nenhuma alternativa certa";
        q_.kind = q_.rightAlternatives.size() == 1 ? Kind::OneChoice : Kind::SeveralChoices;
        return "";
    }

    Question& q_;
};

// Every text the game will show must exist in Windows-1252 and fit the game's buffers.
std::string checkCodePage(const Question& q)
{
    std::string problem = checkGameText(q.text).message();
    for (const std::string& alternative : q.alternatives)
        if (problem.empty()) problem = checkGameText(alternative).message();
    return problem;
}

}

GiftParser::Result GiftParser::parse(const std::string& utf8Text) const
{
    Result result;
    for (const Block& block : splitBlocks(utf8Text)) parseBlock(block, result);
    return result;
}

std::vector<GiftParser::Block> GiftParser::splitBlocks(const std::string& text)
{
    std::vector<Block> blocks;
    std::istringstream in(startsWith(text, "\xEF\xBB\xBF") ? text.substr(3) : text);
    std::string line;
    Block current{0, ""};
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string t = trim(line);
        if (startsWith(t, "//")) continue;
        if (t.empty() || startsWith(t, "$CATEGORY:")) {
            if (!current.text.empty()) blocks.push_back(current);
            current = {0, ""};
            continue;
        }
        if (current.text.empty()) current.line = number;
        current.text += line + "\n";
    }
    if (!current.text.empty()) blocks.push_back(current);
    return blocks;
}

void GiftParser::parseBlock(const Block& block, Result& result)
{
    std::string s = trim(block.text);
    auto skip = [&](const std::string& why) { result.problems.push_back({block.line, why}); };
    if (startsWith(s, "::")) {
        std::size_t end = findUnescaped(s, "::", 2);
        if (end == std::string::npos) return skip("titulo sem '::' de fechamento");
        s = trim(s.substr(end + 2));
    }
    bool html = startsWith(s, "[html]");
    if (startsWith(s, "[")) {
        std::size_t close = s.find(']');
        if (close != std::string::npos && close < 12) s = s.substr(close + 1);
    }
    std::size_t open = findUnescaped(s, "{");
    if (open == std::string::npos) return skip("sem bloco de respostas '{...}' (descricao)");
    std::size_t close = findUnescaped(s, "}", open);
    if (close == std::string::npos) return skip("bloco de respostas sem '}'");

    Question q;
    std::string before = unescape(s.substr(0, open));
    std::string after = unescape(s.substr(close + 1));
    q.text = after.empty() ? before : trim(before + " _____ " + after); // the blank may come first
    if (html) q.text = stripHtml(q.text);
    if (q.text.empty()) return skip("questao sem texto");
    std::string error = BlockMapper(q).mapAnswers(s.substr(open + 1, close - open - 1));
    if (error.empty()) error = checkCodePage(q);
    if (!error.empty()) return skip(error);
    result.questions.push_back(q);
}

}
