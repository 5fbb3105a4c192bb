// The automatic player's answers, from a question bank in the quiz server's format.
#include "demo/AnswerBook.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "quizd/GiftParser.h"
#include "quizd/codepage.h"
#include "ui/conv.h"

namespace {

std::string toWire(const std::string& utf8)
{
    std::string bytes;
    long bad = 0;
    quizd::utf8ToCp1252(utf8, bytes, bad);
    return bytes;
}

std::wstring onScreen(const std::string& utf8)
{
    return conv(toWire(utf8).c_str());
}

// Windows show at most maxConvLength characters of a text, so a long question is known by its start.
bool sameText(const std::string& bank, const std::string& shown)
{
    const size_t n = std::min(std::min(bank.size(), shown.size()), maxConvLength);
    return n > 0 && bank.compare(0, n, shown, 0, n) == 0 &&
           (bank.size() == shown.size() || n == maxConvLength);
}

std::wstring numberText(const quizd::NumberRange& r)
{
    char text[64];
    std::snprintf(text, sizeof text, "%g", (r.low + r.high) / 2);
    return conv(text);
}

const std::wstring unknownText = L"nao sei";

}

AnswerBook AnswerBook::fromFile(const std::string& path, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read the question bank " + path;
        return AnswerBook();
    }
    std::ostringstream text;
    text << in.rdbuf();
    return fromText(text.str());
}

AnswerBook AnswerBook::fromText(const std::string& utf8)
{
    AnswerBook book;
    for (quizd::Question& q : quizd::GiftParser().parse(utf8).questions) {
        q.text = toWire(q.text);
        book._questions.push_back(std::move(q));
    }
    return book;
}

const quizd::Question* AnswerBook::questionWithText(const std::string& text) const
{
    for (const quizd::Question& q : _questions)
        if (sameText(q.text, text))
            return &q;
    return nullptr;
}

std::vector<int> AnswerBook::ticksOf(const quizd::Question& q, const ShownQuestion& shown)
{
    std::vector<int> ticks;
    for (int right : q.rightAlternatives) {
        const std::wstring text = onScreen(q.alternatives.at(static_cast<size_t>(right)));
        auto box = std::find(shown.alternatives.begin(), shown.alternatives.end(), text);
        if (box != shown.alternatives.end())
            ticks.push_back(static_cast<int>(box - shown.alternatives.begin()));
    }
    std::sort(ticks.begin(), ticks.end());
    return ticks;
}

std::optional<Reply> AnswerBook::rightReply(const ShownQuestion& shown) const
{
    const quizd::Question* q = questionWithText(shown.text);
    if (!q)
        return std::nullopt;
    if (!q->alternatives.empty())
        return Reply{L"", ticksOf(*q, shown)};
    if (!q->acceptedNumbers.empty())
        return Reply{numberText(q->acceptedNumbers.front()), {}};
    if (!q->acceptedTexts.empty())
        return Reply{onScreen(q->acceptedTexts.front()), {}};
    return std::nullopt;
}

Reply AnswerBook::wrongReply(const ShownQuestion& shown) const
{
    if (shown.alternatives.empty())
        return Reply{unknownText, {}};
    const std::optional<Reply> good = rightReply(shown);
    for (int box = 0; box < static_cast<int>(shown.alternatives.size()); ++box)
        if (!good || std::find(good->ticks.begin(), good->ticks.end(), box) == good->ticks.end())
            return Reply{L"", {box}};
    return Reply{L"", {}};
}
