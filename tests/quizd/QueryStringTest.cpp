// Percent-decoding of request keys and the redaction of passwords in the log.
#include "QueryString.h"

#include <gtest/gtest.h>

using namespace quizd;

TEST(QueryString, DecodesEveryKeyAsTheGameEncodesIt)
{
    auto q = QueryString::parse("/play.php?msg=r&username=jo%e3o&password=a%26b%20c&id=0001&resposta=0%092");
    ASSERT_TRUE(q);
    EXPECT_EQ(q->get("username"), "jo\xE3o");
    EXPECT_EQ(q->get("password"), "a&b c");
    EXPECT_EQ(q->get("resposta"), "0\t2");
    EXPECT_FALSE(q->has("n"));
}

TEST(QueryString, RefusesBrokenEscapesAndNulBytes)
{
    for (const char* bad : {"/p?a=%", "/p?a=%4", "/p?a=%zz", "/p?a=%00", "/p?a%g1=1"})
        EXPECT_FALSE(QueryString::parse(bad)) << bad;
    EXPECT_EQ(QueryString::decode("a+b%2B"), std::optional<std::string>("a b+"));
}

TEST(QueryString, RedactsPasswordsAndInstallTokensByTheKeyTheParserReads)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/play.php?msg=l&username=ana&password=s%20e&x=1", "/play.php?msg=l&username=ana&password=***&x=1"},
        {"/play.php?password=a&oldpassword=b", "/play.php?password=***&oldpassword=b"},
        {"/play.php?msg=l&%70assword=senha123", "/play.php?msg=l&%70assword=***"},
        {"/play.php?pass%77ord=senha123&username=ana", "/play.php?pass%77ord=***&username=ana"},
        {"/play.php?PASSWORD=x", "/play.php?PASSWORD=***"},
        {"/play.php?msg=p&install=9f2c&id=3", "/play.php?msg=p&install=***&id=3"},
        {"/play.php?pass%zzword=x&a=1", "/play.php?pass%zzword=***&a=1"}, // undecodable: hidden too
        {"/play.php?password", "/play.php?password"},
        {"/play.php?a=1&&password=x&", "/play.php?a=1&&password=***&"},
        {"/sem/consulta", "/sem/consulta"},
    };
    for (const auto& [target, logged] : cases) EXPECT_EQ(QueryString::redacted(target), logged) << target;
}
