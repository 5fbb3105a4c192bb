// A small, forgiving reader of the elements and attributes of an XML text, for config.xml.
#include "shell/XmlElements.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

class Scanner {
public:
    explicit Scanner(const std::string& text) : _text(text) {}

    bool atEnd() const { return _at >= _text.size(); }
    char peek() const { return atEnd() ? '\0' : _text[_at]; }
    bool startsWith(const char* prefix) const { return _text.compare(_at, std::strlen(prefix), prefix) == 0; }
    void advance(size_t count = 1) { _at = std::min(_text.size(), _at + count); }

    void skipTo(char c)
    {
        size_t found = _text.find(c, _at);
        _at = found == std::string::npos ? _text.size() : found;
    }

    void skipPast(const char* end)
    {
        size_t found = _text.find(end, _at);
        _at = found == std::string::npos ? _text.size() : found + std::strlen(end);
    }

    // What may follow a quoted value: anything else means its closing quote was missing, and the quote
    // taken for it opened the next value.
    bool atValueEnd() const
    {
        return std::isspace(static_cast<unsigned char>(peek())) || peek() == '/' || peek() == '>';
    }

    void skipSpace()
    {
        while (!atEnd() && std::isspace(static_cast<unsigned char>(peek())))
            advance();
    }

    // Characters up to white space or any of the stop characters.
    std::string word(const char* stops)
    {
        size_t start = _at;
        while (!atEnd() && !std::isspace(static_cast<unsigned char>(peek())) && !std::strchr(stops, peek()))
            advance();
        return _text.substr(start, _at - start);
    }

    // The text up to the closing quote, which is consumed; false when the text ends first or a '<' comes
    // first: no value holds one, so its closing quote is missing and that '<' opens the next tag.
    bool quoted(char quote, std::string& value)
    {
        size_t end = _text.find(quote, _at);
        if (end == std::string::npos || _text.find('<', _at) < end)
            return false;
        value = _text.substr(_at, end - _at);
        _at = end + 1;
        return true;
    }

private:
    const std::string& _text;
    size_t _at = 0;
};

std::string decodeEntities(const std::string& value)
{
    static const std::pair<const char*, char> entities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string decoded;
    for (size_t i = 0; i < value.size();) {
        bool replaced = false;
        for (const auto& entity : entities) {
            size_t length = std::strlen(entity.first);
            if (value.compare(i, length, entity.first) == 0) {
                decoded += entity.second;
                i += length;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            decoded += value[i++];
    }
    return decoded;
}

// Reads the attributes and the end of an opening tag; false when the text ends inside the tag or a value
// lacks its closing quote, so that no setting is read from the text around it.
bool readTagRest(Scanner& in, XmlElement& element)
{
    for (;;) {
        in.skipSpace();
        if (in.atEnd())
            return false;
        if (in.peek() == '>' || in.startsWith("/>")) {
            in.skipPast(">");
            return true;
        }
        std::string name = in.word("=/>");
        if (name.empty()) {
            in.advance();
            continue;
        }
        in.skipSpace();
        if (in.peek() != '=')
            continue;
        in.advance();
        in.skipSpace();
        char quote = in.peek();
        if (quote != '"' && quote != '\'')
            continue;
        in.advance();
        std::string value;
        if (!in.quoted(quote, value) || !in.atValueEnd())
            return false;
        element.attributes.emplace_back(name, decodeEntities(value));
    }
}

}

const char* XmlElement::attribute(const char* attributeName) const
{
    for (const auto& attribute : attributes)
        if (attribute.first == attributeName)
            return attribute.second.c_str();
    return nullptr;
}

std::vector<XmlElement> readXmlElements(const std::string& text)
{
    std::vector<XmlElement> elements;
    Scanner in(text);
    for (in.skipTo('<'); !in.atEnd(); in.skipTo('<')) {
        if (in.startsWith("<!--"))
            in.skipPast("-->");
        else if (in.startsWith("<?"))
            in.skipPast("?>");
        else if (in.startsWith("<!") || in.startsWith("</"))
            in.skipPast(">");
        else {
            in.advance();
            XmlElement element;
            element.name = in.word("/>");
            if (!element.name.empty() && readTagRest(in, element))
                elements.push_back(std::move(element));
        }
    }
    return elements;
}
