// Several right alternatives are written with shared positive weights and the wrong ones with -100 %,
// the way Moodle marks a question with more than one right answer.
#include "GiftWriter.h"

#include <cstdio>
#include <cstdlib>

namespace quizd {

std::string GiftWriter::number(double value)
{
    char text[40];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) break;
    }
    return text;
}

// Marks are escaped wherever they stand; '[' (a format) and '%' (a weight) only where a reader looks
// for them, at the start, and the '>' of "->" (a matching pair).
std::string GiftWriter::escape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\n') out += "\\n";
        else if (std::string("~=#{}:\\").find(c) != std::string::npos || (i == 0 && (c == '[' || c == '%')) ||
                 (c == '>' && i > 0 && text[i - 1] == '-'))
            out += std::string("\\") + c;
        else out += c;
    }
    return out;
}

std::string GiftWriter::answers(const Question& q)
{
    std::string out;
    switch (q.kind) {
    case Kind::Text:
        for (const std::string& spelling : q.acceptedTexts) out += " =" + escape(spelling);
        return out;
    case Kind::Number:
        out = "#";
        for (const NumberRange& r : q.acceptedNumbers) out += " =" + number(r.low) + ".." + number(r.high);
        return out;
    default: break;
    }
    if (!q.shuffle && q.alternatives == std::vector<std::string>{"Verdadeiro", "Falso"})
        return q.rightAlternatives == std::vector<int>{0} ? "T" : "F";
    std::string share = q.kind == Kind::OneChoice ? "" : "%" + number(100.0 / double(q.rightAlternatives.size())) + "%";
    for (std::size_t k = 0; k < q.alternatives.size(); ++k) {
        bool right = false;
        for (int r : q.rightAlternatives) right = right || std::size_t(r) == k;
        if (q.kind == Kind::OneChoice) out += right ? " =" : " ~";
        else out += right ? " ~" + share : " ~%-100%";
        out += escape(q.alternatives[k]);
    }
    return out;
}

std::string GiftWriter::question(const Question& q)
{
    char title[16];
    std::snprintf(title, sizeof title, "::Q%04ld::", q.id);
    return std::string(title) + escape(q.text) + " {" + answers(q) + " }\n";
}

std::string GiftWriter::write(const std::vector<Question>& questions)
{
    std::string out = "// Banco de questoes do quizd (GIFT, UTF-8)\n\n";
    for (const Question& q : questions) out += question(q) + "\n";
    return out;
}

}
