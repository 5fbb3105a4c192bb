// Fuzzes the GIFT question bank importer and the questions it makes, and the GIFT the bank's editor
// writes of them, which must read back as the same bank.
#include <cstdint>
#include <string>

#include "GiftParser.h"
#include "GiftWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const quizd::GiftParser::Result result = quizd::GiftParser().parse(text);
    for (const quizd::ImportProblem& problem : result.problems)
        if (problem.line < 1 || problem.message.empty())
            __builtin_trap();
    // The game's windows index the alternatives by these numbers.
    for (const quizd::Question& question : result.questions) {
        if (question.alternatives.size() > quizd::kMaxAlternatives)
            __builtin_trap();
        for (int right : question.rightAlternatives)
            if (right < 0 || static_cast<size_t>(right) >= question.alternatives.size())
                __builtin_trap();
    }
    const std::string written = quizd::GiftWriter::write(result.questions);
    const quizd::GiftParser::Result again = quizd::GiftParser().parse(written);
    if (!again.problems.empty() || quizd::GiftWriter::write(again.questions) != written)
        __builtin_trap();
    return 0;
}
