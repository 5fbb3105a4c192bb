// Tests of the small XML reader: what it finds, what it skips, and that no text breaks it.
#include <gtest/gtest.h>
#include <random>

#include "shell/XmlElements.h"

namespace {

const std::string document = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE config>
<!-- settings <proxy active="true"/> in a comment do not count -->
<config>
  <proxy active='true' ip="a&amp;b &lt;c&gt; &quot;d&quot;" port = "8080" />
  <group><user username="x" password="" server="s"></user></group>
  text between <parameters music="true"/>
</config>
)";

}

TEST(XmlElementsTest, FindsEveryElementInDocumentOrder)
{
    std::vector<XmlElement> elements = readXmlElements(document);
    ASSERT_EQ(elements.size(), 5u);
    EXPECT_EQ(elements[0].name, "config");
    EXPECT_EQ(elements[1].name, "proxy");
    EXPECT_EQ(elements[2].name, "group");
    EXPECT_EQ(elements[3].name, "user");
    EXPECT_EQ(elements[4].name, "parameters");
    EXPECT_STREQ(elements[1].attribute("active"), "true");
    EXPECT_STREQ(elements[1].attribute("ip"), "a&b <c> \"d\"");
    EXPECT_STREQ(elements[1].attribute("port"), "8080");
    EXPECT_STREQ(elements[3].attribute("password"), "");
    EXPECT_EQ(elements[3].attribute("Password"), nullptr);
}

TEST(XmlElementsTest, TagsCutByTheEndAreDropped)
{
    EXPECT_TRUE(readXmlElements("this is not <xml").empty());
    EXPECT_TRUE(readXmlElements("<user username=\"abc").empty());
    std::vector<XmlElement> elements = readXmlElements("<a x=\"1\"/><b y=\"2\"");
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(elements[0].name, "a");
}

TEST(XmlElementsTest, MalformedAttributesAreSkipped)
{
    std::vector<XmlElement> elements = readXmlElements("<a bare x=unquoted y==\"1\" / z=\"2\">");
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(elements[0].attribute("bare"), nullptr);
    EXPECT_EQ(elements[0].attribute("x"), nullptr);
    EXPECT_STREQ(elements[0].attribute("z"), "2");
}

TEST(XmlElementsTest, NoTextBreaksTheReaderAndEveryElementHasAName)
{
    auto named = [](const std::vector<XmlElement>& elements) {
        for (const XmlElement& element : elements)
            if (element.name.empty())
                return false;
        return true;
    };
    for (size_t length = 0; length <= document.size(); ++length)
        EXPECT_TRUE(named(readXmlElements(document.substr(0, length)))) << length;
    std::mt19937 random(7);
    std::string alphabet = "<>/=\"'!?- \n&;abc";
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int i = 0; i < 40; ++i)
            text += alphabet[random() % alphabet.size()];
        EXPECT_TRUE(named(readXmlElements(text))) << text;
    }
}

TEST(XmlElementsTest, AValueWithoutItsClosingQuoteDropsItsTagAndTheNextTagIsRead)
{
    const struct {
        const char* text;
        const char* names;
    } cases[] = {
        {R"(<a x="1 y="2"/><b z="3"/>)", "b"},
        {R"(<a x="1/>
<b z="3"/>)", "b"},
        {R"(<a x='1 y='2'/><b/>)", "b"},
        {R"(<a x="1"y="2"/><b/>)", "b"},
        {R"(<a x="1" y="2"/><b z="3/></c>)", "a"},
        {R"(<a x="1"/><b z="3"></b>)", "ab"},
    };
    for (const auto& c : cases) {
        std::string names;
        for (const XmlElement& element : readXmlElements(c.text))
            names += element.name;
        EXPECT_EQ(names, c.names) << c.text;
    }
    std::vector<XmlElement> elements = readXmlElements(R"(<a x="1 y="2"/><b z="3"/>)");
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_STREQ(elements[0].attribute("z"), "3");
}
