// The bank's editor as HTML: the questions with their records, the form of one question with the game's
// window drawn as a preview, and the spreadsheet's report.
#pragma once
#include "ClassReport.h"
#include "CsvQuestionImport.h"
#include "QuestionForm.h"

#include <string>
#include <vector>

namespace quizd {

class BankEditorPages {
public:
    static std::string bank(const std::string& formToken, const std::vector<Question>& questions,
                            const std::vector<QuestionRow>& records, const std::string& message);
    // id 0: a new question; otherwise the question being fixed, in its current version.
    static std::string form(const std::string& formToken, long id, long version, const QuestionForm& form);
    static std::string spreadsheetReport(const std::string& formToken, const std::string& file,
                                         const CsvQuestionImport::Result& parsed);
    static std::string spreadsheetSaved(const std::string& formToken, int added, int updated);

private:
    static std::string questionRow(const std::string& formToken, const Question& q, const QuestionRow& record);
    static std::string fields(const QuestionForm& form);
    static std::string choiceFields(const QuestionForm& form, bool several);
    static std::string preview(const Question& q);
    static std::string field(const QuestionForm& form, const std::string& name, const std::string& label,
                             const std::string& input);
};

}
