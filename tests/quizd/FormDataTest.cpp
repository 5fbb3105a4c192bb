// Form bodies as browsers send them: URL-encoded fields and multipart uploads.
#include "FormData.h"

#include <gtest/gtest.h>

using quizd::FormData;

TEST(FormData, UrlEncodedFields)
{
    auto form = FormData::parse("application/x-www-form-urlencoded", "usuario=jo%C3%A3o&senha=a+b%26c&token=t");
    ASSERT_TRUE(form);
    EXPECT_EQ(form->get("usuario"), "jo\xC3\xA3o");
    EXPECT_EQ(form->get("senha"), "a b&c");
    EXPECT_FALSE(form->has("x"));
    EXPECT_FALSE(FormData::parse("application/x-www-form-urlencoded", "a=%zz"));
}

TEST(FormData, MultipartKeepsFileBytesAsSent)
{
    std::string file = "Um {=a ~b}\r\n\r\n--not-the-boundary\r\n\x00\xff";
    file.push_back('\0');
    std::string body = "--XyZ\r\nContent-Disposition: form-data; name=\"token\"\r\n\r\nabc\r\n"
                       "--XyZ\r\nContent-Disposition: form-data; name=\"arquivo\"; filename=\"q.gift\"\r\n"
                       "Content-Type: application/octet-stream\r\n\r\n" + file + "\r\n--XyZ--\r\n";
    auto form = FormData::parse("multipart/form-data; boundary=XyZ", body);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->get("token"), "abc");
    EXPECT_EQ(form->get("arquivo"), file);
    EXPECT_EQ(form->fileName("arquivo"), "q.gift");
    EXPECT_EQ(form->fileName("token"), "");
}

TEST(FormData, BrokenBodiesAreRefused)
{
    const char* bodies[] = {
        "--XyZ\r\nContent-Disposition: form-data; name=\"a\"\r\n\r\nno end",
        "--XyZ\r\nno blank line after the headers",
        "nothing at all",
    };
    for (const char* body : bodies) EXPECT_FALSE(FormData::parse("multipart/form-data; boundary=XyZ", body)) << body;
    EXPECT_FALSE(FormData::parse("multipart/form-data", "--\r\n"));
    EXPECT_FALSE(FormData::parse("text/plain", "a=1"));
}
