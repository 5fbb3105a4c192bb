// Class lists: every line checked before anything is written; names a game could not type are refused.
#include "ClassList.h"
#include "UserName.h"

#include <gtest/gtest.h>

#include <random>

using namespace quizd;

TEST(ClassList, NamesThatCannotBeAccounts)
{
    struct Case {
        const char* name;
        bool accepted;
    };
    const Case cases[] = {
        {"ana", true},
        {"jo\xC3\xA3o da silva", true},
        {"", false},
        {"eva\tx", false},          // tab
        {"eva\rx", false},          // carriage return
        {"a\x7f", false},           // DEL
        {"a\xC2\x85", false},       // NEL, a C1 control
        {"\xE2\x82\xAC", true},     // the euro sign is in Windows-1252
        {"\xE4\xB8\xAD", false},    // a character the game cannot show
    };
    for (const Case& c : cases) EXPECT_EQ(UserName::problem(c.name).empty(), c.accepted) << c.name;
    EXPECT_TRUE(UserName::problem(std::string(199, 'a')).empty());
    EXPECT_FALSE(UserName::problem(std::string(200, 'a')).empty());
}

TEST(ClassList, ABrokenLineRefusesTheWholeList)
{
    struct Case {
        const char* text;
        std::size_t students;
        std::vector<int> badLines;
    };
    const Case cases[] = {
        {"usuario,senha\nbia,um\ncaio;dois\n", 2, {}},
        {"\xEF\xBB\xBF" "bia,um\r\n\r\nJo\xE3o,x\r\n", 2, {}},   // UTF-8 mark, CRLF, Windows-1252
        {"bia,um\nsem-senha\ncaio,dois\n", 2, {2}},
        {"bia,um\nbia,dois\n", 1, {2}},                          // the same name twice
        {"bia,um\n=cmd\x01,x\n", 1, {2}},
        {"\n\n", 0, {1}},                                         // nothing in it
    };
    for (const Case& c : cases) {
        ClassList::Result r = ClassList::parse(c.text);
        EXPECT_EQ(r.students.size(), c.students) << c.text;
        std::vector<int> lines;
        for (const ClassList::Problem& p : r.problems) lines.push_back(p.line);
        EXPECT_EQ(lines, c.badLines) << c.text;
    }
}

TEST(ClassList, RandomBytesAreNoClassList)
{
    std::mt19937 rng(7);
    std::string bytes;
    for (int k = 0; k < 5000; ++k) bytes += char(rng() & 0xff);
    EXPECT_FALSE(ClassList::parse(bytes).problems.empty());
}
