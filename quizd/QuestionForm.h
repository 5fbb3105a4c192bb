// One question as the teacher writes it (the editor's form, or a spreadsheet row put in the same
// fields), checked against what the game can show; each refusal is kept next to the field it is about.
#pragma once
#include "FormData.h"
#include "Question.h"

#include <map>
#include <string>

namespace quizd {

class QuestionForm {
public:
    using Values = std::map<std::string, std::string>;

    // Field names: tipo (uma, vf, varias, escrita, numero), texto, alt1.., certa (uma: 1..), marca1.. ("sim":
    // a right one of várias), vf (verdadeiro, falso), respostas (one accepted spelling a line), numero,
    // tolerancia.
    static constexpr int kMaxFields = 9; // alternatives read, so that a sixth is refused rather than lost
    static Values fieldsOf(const FormData& form);
    static QuestionForm check(const Values& values);
    static QuestionForm blank(const std::string& kind);
    static QuestionForm of(const Question& q); // a bank question in the form, to fix it
    static const char* kindLabel(const std::string& kind);

    bool ok() const { return errors_.empty(); }
    std::string kind() const { return value("tipo"); }
    std::string value(const std::string& field) const;
    const Values& values() const { return values_; }
    std::string error(const std::string& field) const;
    const std::map<std::string, std::string>& errors() const { return errors_; }
    void refuse(const std::string& field, const std::string& why) { errors_.emplace(field, why); }
    const Question& question() const { return question_; } // meaningful when ok()

private:
    void checkText();
    void checkChoices(bool several);
    void checkTrueFalse();
    void checkSpellings();
    void checkNumber();
    std::string gameText(const std::string& field, bool required);

    Values values_;
    std::map<std::string, std::string> errors_;
    Question question_;
};

}
