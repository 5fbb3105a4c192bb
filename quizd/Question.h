// A question of the bank as the server keeps it, in the game's four kinds.
#pragma once
#include <string>
#include <vector>

namespace quizd {

// Kind letters on the wire: the game shows '1' and '4' with an answer box, '2' and '3' with check boxes.
enum class Kind : char { Text = '1', OneChoice = '2', SeveralChoices = '3', Number = '4' };

struct NumberRange {
    double low;
    double high;
};

struct Question {
    long id = 0;
    Kind kind = Kind::Text;
    std::string text;                       // UTF-8
    std::vector<std::string> alternatives;  // choice kinds, in the bank's order
    std::vector<int> rightAlternatives;     // choice kinds: indices into alternatives, ascending
    std::vector<std::string> acceptedTexts; // Text kind
    std::vector<NumberRange> acceptedNumbers;
    bool shuffle = true; // true/false keeps "Verdadeiro", "Falso" in place
    long version = 1;    // a fix makes a new version; answers keep the one they were given to
    bool retired = false; // no longer asked; its answers stay
};

// The most check boxes the game's choice window has.
constexpr std::size_t kMaxAlternatives = 5;

}
