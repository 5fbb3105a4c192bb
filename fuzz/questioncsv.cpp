// Fuzzes the spreadsheet importer of the bank's editor: a file is taken whole or refused with the rows
// named, and what it takes is a bank the game can show.
#include <cstdint>
#include <string>

#include "CsvQuestionImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const quizd::CsvQuestionImport::Result result = quizd::CsvQuestionImport::parse(bytes);
    for (const quizd::CsvQuestionImport::Problem& problem : result.problems)
        if (problem.line < 1 || problem.message.empty())
            __builtin_trap();
    if (result.problems.empty() && result.questions.size() != result.rows.size())
        __builtin_trap();
    for (const quizd::Question& question : result.questions) {
        if (question.alternatives.size() > quizd::kMaxAlternatives || question.text.find('\t') != std::string::npos)
            __builtin_trap();
        for (int right : question.rightAlternatives)
            if (right < 0 || static_cast<size_t>(right) >= question.alternatives.size())
                __builtin_trap();
    }
    return 0;
}
