// A small, forgiving reader of the elements and attributes of an XML text, for config.xml.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct XmlElement {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;

    // The value of the named attribute (names compared exactly), or null when it is absent.
    const char* attribute(const char* attributeName) const;
};

// Every element of the text, in document order, whatever its nesting. Text, comments, processing
// instructions, declarations and closing tags are skipped; a tag cut off by the end of the text, or
// with a value that lacks its closing quote, is dropped whole, and reading goes on at the next tag.
// Never reads outside the text, whatever it holds.
std::vector<XmlElement> readXmlElements(const std::string& text);
