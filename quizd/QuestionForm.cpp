// Texts are tidied the way the game needs them (a tab would split the question on the wire, so it
// becomes a blank) before they are measured in the game's code page.
#include "QuestionForm.h"

#include "GiftWriter.h"
#include "codepage.h"

#include <cstdlib>
#include <set>
#include <sstream>

namespace quizd {
namespace {

std::string tidy(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') continue;
        out += s[i] == '\t' ? ' ' : s[i];
    }
    std::size_t a = out.find_first_not_of(" \n");
    if (a == std::string::npos) return "";
    return out.substr(a, out.find_last_not_of(" \n") - a + 1);
}

bool parseNumber(const std::string& text, double& value)
{
    std::string s = tidy(text);
    for (char& c : s)
        if (c == ',') c = '.';
    char* end = nullptr;
    value = std::strtod(s.c_str(), &end);
    return !s.empty() && *end == '\0';
}

const char* const kTrue = "Verdadeiro";
const char* const kFalse = "Falso";

}

const char* QuestionForm::kindLabel(const std::string& kind)
{
    if (kind == "uma") return "Múltipla escolha (uma certa)";
    if (kind == "vf") return "Verdadeiro ou falso";
    if (kind == "varias") return "Várias certas";
    if (kind == "escrita") return "Resposta escrita";
    if (kind == "numero") return "Número";
    return "";
}

QuestionForm::Values QuestionForm::fieldsOf(const FormData& form)
{
    Values values;
    for (const char* name : {"tipo", "texto", "certa", "vf", "respostas", "numero", "tolerancia"})
        if (form.has(name)) values[name] = form.get(name);
    for (int k = 1; k <= kMaxFields; ++k)
        for (const std::string& name : {"alt" + std::to_string(k), "marca" + std::to_string(k)})
            if (form.has(name)) values[name] = form.get(name);
    return values;
}

std::string QuestionForm::value(const std::string& field) const
{
    auto it = values_.find(field);
    return it == values_.end() ? "" : it->second;
}

std::string QuestionForm::error(const std::string& field) const
{
    auto it = errors_.find(field);
    return it == errors_.end() ? "" : it->second;
}

QuestionForm QuestionForm::check(const Values& values)
{
    QuestionForm form;
    form.values_ = values;
    form.checkText();
    std::string kind = form.kind();
    if (kind == "uma" || kind == "varias") form.checkChoices(kind == "varias");
    else if (kind == "vf") form.checkTrueFalse();
    else if (kind == "escrita") form.checkSpellings();
    else if (kind == "numero") form.checkNumber();
    else form.refuse("tipo", "escolha o tipo da questão");
    return form;
}

// A text the game shows: "" (and the refusal noted) when it cannot.
std::string QuestionForm::gameText(const std::string& field, bool required)
{
    std::string text = tidy(value(field));
    if (text.empty()) {
        if (required) refuse(field, "campo vazio");
        return "";
    }
    GameTextCheck check = checkGameText(text);
    if (check.problem != GameTextCheck::Problem::None) {
        refuse(field, check.message());
        return "";
    }
    return text;
}

void QuestionForm::checkText()
{
    question_.text = gameText("texto", true);
}

void QuestionForm::checkChoices(bool several)
{
    question_.kind = several ? Kind::SeveralChoices : Kind::OneChoice;
    std::set<std::string> seen;
    for (int k = 1; k <= kMaxFields; ++k) {
        std::string field = "alt" + std::to_string(k);
        std::string text = gameText(field, false);
        if (text.empty()) continue;
        if (question_.alternatives.size() == kMaxAlternatives) {
            refuse("alt" + std::to_string(kMaxAlternatives + 1),
                   "o jogo mostra no máximo " + std::to_string(kMaxAlternatives) + " alternativas");
            continue;
        }
        if (!seen.insert(foldForComparison(text)).second) refuse(field, "alternativa repetida");
        bool right = several ? value("marca" + std::to_string(k)) == "sim" : value("certa") == std::to_string(k);
        if (right) question_.rightAlternatives.push_back(int(question_.alternatives.size()));
        question_.alternatives.push_back(text);
    }
    if (question_.alternatives.size() < 2 && !errors_.count("alt1")) refuse("alt1", "escreva pelo menos duas alternativas");
    std::size_t needed = several ? 2 : 1;
    if (question_.rightAlternatives.size() < needed)
        refuse("certa", several ? "marque pelo menos duas certas (com uma só, use múltipla escolha)"
                                : "marque a alternativa certa");
}

void QuestionForm::checkTrueFalse()
{
    question_.kind = Kind::OneChoice;
    question_.alternatives = {kTrue, kFalse};
    question_.shuffle = false;
    std::string answer = value("vf");
    if (answer != "verdadeiro" && answer != "falso") return refuse("vf", "escolha verdadeiro ou falso");
    question_.rightAlternatives = {answer == "verdadeiro" ? 0 : 1};
}

void QuestionForm::checkSpellings()
{
    question_.kind = Kind::Text;
    std::istringstream lines(value("respostas"));
    for (std::string line; std::getline(lines, line);) {
        std::string spelling = tidy(line);
        if (spelling.empty()) continue;
        GameTextCheck check = checkGameText(spelling);
        if (check.problem != GameTextCheck::Problem::None) return refuse("respostas", spelling + ": " + check.message());
        question_.acceptedTexts.push_back(spelling);
    }
    if (question_.acceptedTexts.empty()) refuse("respostas", "escreva pelo menos uma resposta aceita");
}

void QuestionForm::checkNumber()
{
    question_.kind = Kind::Number;
    double number = 0, tolerance = 0;
    if (!parseNumber(value("numero"), number)) return refuse("numero", "escreva um número, como 3,14");
    if (!tidy(value("tolerancia")).empty() && (!parseNumber(value("tolerancia"), tolerance) || tolerance < 0))
        return refuse("tolerancia", "escreva um número positivo, ou deixe vazio para aceitar só o valor exato");
    question_.acceptedNumbers = {{number - tolerance, number + tolerance}};
}

QuestionForm QuestionForm::blank(const std::string& kind)
{
    QuestionForm form;
    form.values_ = {{"tipo", kind}};
    return form;
}

QuestionForm QuestionForm::of(const Question& q)
{
    Values v{{"texto", q.text}};
    if (q.kind == Kind::OneChoice && !q.shuffle && q.alternatives == std::vector<std::string>{kTrue, kFalse}) {
        v["tipo"] = "vf";
        v["vf"] = q.rightAlternatives == std::vector<int>{0} ? "verdadeiro" : "falso";
    } else if (q.kind == Kind::OneChoice || q.kind == Kind::SeveralChoices) {
        v["tipo"] = q.kind == Kind::OneChoice ? "uma" : "varias";
        for (std::size_t k = 0; k < q.alternatives.size(); ++k) v["alt" + std::to_string(k + 1)] = q.alternatives[k];
        for (int right : q.rightAlternatives) {
            v["marca" + std::to_string(right + 1)] = "sim";
            v["certa"] = std::to_string(right + 1);
        }
    } else if (q.kind == Kind::Text) {
        v["tipo"] = "escrita";
        for (const std::string& spelling : q.acceptedTexts) v["respostas"] += spelling + "\n";
    } else {
        v["tipo"] = "numero";
        NumberRange r = q.acceptedNumbers.empty() ? NumberRange{0, 0} : q.acceptedNumbers.front();
        v["numero"] = GiftWriter::number((r.low + r.high) / 2);
        v["tolerancia"] = GiftWriter::number((r.high - r.low) / 2);
    }
    QuestionForm form;
    form.values_ = v;
    return form;
}

}
