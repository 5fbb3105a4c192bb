// The answers the automatic player knows: a question bank in the quiz server's own format, looked up by
// the text of the question on screen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "quizd/Question.h"

// A question as the player sees it: its kind, its text as the server sent it (Windows-1252), and the
// alternatives in the order of the boxes on screen.
struct ShownQuestion {
    char type = 0;
    std::string text;
    std::vector<std::wstring> alternatives;
};

// What to put in the window: a text for the answer box, or the boxes to tick (0 first).
struct Reply {
    std::wstring text;
    std::vector<int> ticks;
};

class AnswerBook {
public:
    AnswerBook() = default;
    // The bank in the file (GIFT); an empty book and a line in `error` when it cannot be read.
    static AnswerBook fromFile(const std::string& path, std::string& error);
    static AnswerBook fromText(const std::string& utf8);

    size_t size() const { return _questions.size(); }
    // The right reply, or nothing when the bank does not hold the question.
    std::optional<Reply> rightReply(const ShownQuestion& shown) const;
    // A reply that the server is sure to judge wrong (unless the bank lacks the question).
    Reply wrongReply(const ShownQuestion& shown) const;

private:
    const quizd::Question* questionWithText(const std::string& text) const;
    static std::vector<int> ticksOf(const quizd::Question& q, const ShownQuestion& shown);

    std::vector<quizd::Question> _questions;
};
