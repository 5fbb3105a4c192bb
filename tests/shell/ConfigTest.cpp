// Tests of config.xml reading: every element, the flags' exact text, the size floor, bad files.
#include <climits>
#include <fstream>
#include <string>

#include "shell/Config.h"
#include "support/EngineTest.h"

namespace {

class ConfigTest : public EngineTest {
protected:
    void read(const std::string& text)
    {
        std::string path = makeTempDir() + "/config.xml";
        std::ofstream(path) << text;
        readConfig(path.c_str());
    }
};

const char* fullFile = R"(<?xml version="1.0"?>
<config>
  <proxy active="true" ip="10.0.0.1" port="3128"/>
  <user username="ana" password="segredo" server="quiz.example.org"/>
  <parameters wireframe="true" killall="true" music="true" cheating="true" culling="false"/>
  <screenresolution fullscreen="true" x="1024" y="768"/>
</config>
)";

}

TEST_F(ConfigTest, EveryAttributeIsRead)
{
    read(fullFile);
    EXPECT_TRUE(GproxyInternet);
    EXPECT_STREQ(GproxyIP.c_str(), "10.0.0.1");
    EXPECT_EQ(GproxyPort, 3128);
    EXPECT_EQ(Gconfig.port_proxy, 3128);
    EXPECT_STREQ(GUser.usuario, "ana");
    EXPECT_STREQ(GUser.senha, "segredo");
    EXPECT_STREQ(GUser.endereco, "quiz.example.org");
    EXPECT_TRUE(Gconfig.wireframe);
    EXPECT_TRUE(Gconfig.killall);
    EXPECT_TRUE(Gconfig.music);
    EXPECT_TRUE(Gconfig.cheating);
    EXPECT_FALSE(Gconfig.culling);
    EXPECT_FALSE(GcheatTests);
    EXPECT_TRUE(Gconfig.fullscreen);
    EXPECT_EQ(Gconfig.res_x, 1024);
    EXPECT_EQ(Gconfig.res_y, 768);
}

TEST_F(ConfigTest, MissingFileGivesTheDefaultWindow)
{
    readConfig((makeTempDir() + "/config.xml").c_str());
    EXPECT_EQ(Gconfig.res_x, 700);
    EXPECT_EQ(Gconfig.res_y, 500);
    EXPECT_FALSE(Gconfig.fullscreen);
    EXPECT_FALSE(GproxyInternet);
    EXPECT_TRUE(Gconfig.culling);
    EXPECT_STREQ(GUser.usuario, "");
}

TEST_F(ConfigTest, FlagsAreTrueOnlyForLowerCaseTrue)
{
    read(R"(<c><proxy active="TRUE" ip="h" port="1"/>
           <parameters wireframe="True" killall="1" music="yes" cheating="true "/></c>)");
    EXPECT_FALSE(GproxyInternet);
    EXPECT_FALSE(Gconfig.wireframe);
    EXPECT_FALSE(Gconfig.killall);
    EXPECT_FALSE(Gconfig.music);
    EXPECT_FALSE(Gconfig.cheating);
}

TEST_F(ConfigTest, LastElementWins)
{
    read(R"(<c><user username="first" password="p1" server="s1"/>
           <other><user username="second" password="p2" server="s2"/></other></c>)");
    EXPECT_STREQ(GUser.usuario, "second");
    EXPECT_STREQ(GUser.senha, "p2");
    EXPECT_STREQ(GUser.endereco, "s2");
}

TEST_F(ConfigTest, MissingAttributesKeepTheirValues)
{
    read(fullFile);
    read(R"(<c><user username="bia"/><screenresolution x="800"/><proxy/></c>)");
    EXPECT_STREQ(GUser.usuario, "bia");
    EXPECT_STREQ(GUser.senha, "segredo");
    EXPECT_TRUE(Gconfig.fullscreen);
    EXPECT_EQ(Gconfig.res_x, 800);
    EXPECT_EQ(Gconfig.res_y, 768);
    EXPECT_TRUE(GproxyInternet);
    EXPECT_EQ(GproxyPort, 3128);
}

TEST_F(ConfigTest, NumbersReadTheirLeadingDigitsHeldToAnInt)
{
    read(R"(<c><proxy port="80x"/></c>)");
    EXPECT_EQ(GproxyPort, 80);
    read(R"(<c><proxy port="-99999999999"/></c>)");
    EXPECT_EQ(GproxyPort, INT_MIN);
}

// A size missing from the file is its default; a window narrower than 690 is raised to 700 x 500.
TEST_F(ConfigTest, ScreenSizeIsReadAndNarrowWindowsAreRaisedToTheFloor)
{
    const struct {
        const char* element;
        int x, y;
    } cases[] = {
        {R"(<screenresolution x="640" y="480"/>)", 700, 500},
        {R"(<screenresolution x="689" y="2000"/>)", 700, 500},
        {R"(<screenresolution x="690" y="100"/>)", 690, 100},
        {R"(<screenresolution x="-800" y="600"/>)", 700, 500},
        {R"(<screenresolution x="1280px" y="abc"/>)", 1280, 0},
        {R"(<screenresolution x="99999999999999999999" y="-3"/>)", INT_MAX, -3},
        {R"(<screenresolution x="800"/>)", 800, 500},
        {R"(<screenresolution y="900"/>)", 700, 500},
        {R"(<screenresolution x="1024" y=""/>)", 1024, 0},
        {R"(<screenresolution fullscreen="false"/>)", 700, 500},
    };
    for (const auto& c : cases) {
        Gconfig = SConfig();
        read(std::string("<config>") + c.element + "</config>");
        EXPECT_EQ(Gconfig.res_x, c.x) << c.element;
        EXPECT_EQ(Gconfig.res_y, c.y) << c.element;
    }
}

TEST_F(ConfigTest, OverlongTextsAreCutToTheirFields)
{
    std::string name(300, 'n'), password(300, 'p'), server(400, 's');
    read("<c><user username=\"" + name + "\" password=\"" + password + "\" server=\"" + server + "\"/></c>");
    EXPECT_EQ(std::string(GUser.usuario), name.substr(0, 199));
    EXPECT_EQ(std::string(GUser.senha), password.substr(0, 199));
    EXPECT_EQ(std::string(GUser.endereco), server.substr(0, 249));
}

TEST_F(ConfigTest, BrokenFilesGiveTheDefaults)
{
    for (const char* text : {"", "this is not xml at all", "this is not <xml", "<a b=\"1\" c",
                             "<c><user username=\"x", "<<<>>>&&&", "\x01\x02\xff\xfe"}) {
        Gconfig = SConfig();
        read(text);
        EXPECT_EQ(Gconfig.res_x, 700) << text;
        EXPECT_EQ(Gconfig.res_y, 500) << text;
    }
}

TEST_F(ConfigTest, AValueWithoutItsClosingQuoteSetsNothingInItsElement)
{
    const char* file = R"(<config>
  <proxy active="true" ip="10.0.0.1 port="3128"/>
  <user username="ana password="segredo" server="quiz.example.org"/>
  <parameters wireframe="true" killall="true/>
  <screenresolution fullscreen="true" x="1024" y="768/>
</config>
)";
    Gconfig = SConfig();
    read(file);
    EXPECT_FALSE(GproxyInternet);
    EXPECT_EQ(GproxyPort, 0);
    EXPECT_STREQ(GUser.usuario, "");
    EXPECT_STREQ(GUser.endereco, "");
    EXPECT_FALSE(Gconfig.wireframe);
    EXPECT_FALSE(Gconfig.fullscreen);
    EXPECT_EQ(Gconfig.res_x, 700);
    EXPECT_EQ(Gconfig.res_y, 500);

    read(R"(<config><user username="ana password="x"/><screenresolution x="800" y="600"/></config>)");
    EXPECT_STREQ(GUser.usuario, "");
    EXPECT_EQ(Gconfig.res_x, 800);
    EXPECT_EQ(Gconfig.res_y, 600);
}

TEST_F(ConfigTest, FrameCapIsSixtyUnlessTheParametersSetIt)
{
    const struct {
        const char* file;
        int maxfps;
    } cases[] = {
        {"<config/>", 60},
        {R"(<config><parameters music="true"/></config>)", 60},
        {R"(<config><parameters maxfps="30"/></config>)", 30},
        {R"(<config><parameters maxfps="0"/></config>)", 0},
        {R"(<config><parameters maxfps="144hz"/></config>)", 144},
        {R"(<config><parameters maxfps="fast"/></config>)", 0},
    };
    for (const auto& c : cases) {
        Gconfig = SConfig();
        read(c.file);
        EXPECT_EQ(Gconfig.maxfps, c.maxfps) << c.file;
    }
}
