// Reads Moodle GIFT question banks and maps each question onto the game's kinds.
#pragma once
#include "Question.h"

#include <string>
#include <vector>

namespace quizd {

struct ImportProblem {
    int line;
    std::string message;
};

class GiftParser {
public:
    struct Result {
        std::vector<Question> questions;
        std::vector<ImportProblem> problems; // questions skipped, each with the line it starts on
    };

    Result parse(const std::string& utf8Text) const;

private:
    struct Block {
        int line;
        std::string text;
    };
    static std::vector<Block> splitBlocks(const std::string& text);
    static void parseBlock(const Block& block, Result& result);
};

}
