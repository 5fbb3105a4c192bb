// A question reply read once into its parts.
#include "net/Question.h"

#include "net/tokenize.h"

namespace {

const size_t maxQuestionText = 1024;

}

std::optional<Question> Question::parse(const std::string& body)
{
    std::vector<std::string> fields;
    tokenize(body, fields, "\t");
    // type, four bytes of id, then the text: anything shorter is not a question, and neither is a kind
    // the windows cannot show, such as the error page of a web server that is not the quiz server
    if (fields.empty() || fields[0].size() < 5 || fields[0][0] < '1' || fields[0][0] > '4')
        return std::nullopt;
    Question question;
    question.type = fields[0][0];
    question.id = fields[0].substr(1, 4);
    question.text = fields[0].substr(5, maxQuestionText);
    question.fields.assign(fields.begin() + 1, fields.end());
    // a choice without alternatives cannot be answered: a reply cut short, not a question
    if ((question.type == '2' || question.type == '3') && question.fields.empty())
        return std::nullopt;
    return question;
}
