// The automatic player fills the real dialog windows on the null device through posted clicks and keys.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "demo/DialogDriver.h"
#include "demo/InputPoster.h"
#include "shell/Config.h"
#include "support/DialogsOnNullDevice.h"
#include "support/EngineTest.h"
#include "ui/Dialogs.h"

namespace {

class DialogDriverTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        createDialogs800x600();
        _input = std::make_unique<InputPoster>(GDevice);
        _driver = std::make_unique<DialogDriver>(*_input, DialogGeometry::forScreen(800, 600));
    }

    // Runs the driver's actions, one per frame 100 ms apart, as the game loop would.
    void runDriver(DialogDriver& driver)
    {
        irr::u32 now = 1000;
        for (int frame = 0; frame < 200 && driver.step(now); ++frame)
            now += 100;
        EXPECT_FALSE(driver.busy());
    }

    std::unique_ptr<InputPoster> _input;
    std::unique_ptr<DialogDriver> _driver;
};

}

TEST_F(DialogDriverTest, ReadsTheChoiceOnScreenAndTicksTheBoxesAsked)
{
    EXPECT_FALSE(DialogDriver::shownQuestion(GEnvironment));
    GDialogs.showProblem(Question{'3', "0007", "Qual?", {"Hub", "Switch", "Roteador", "Modem"}});
    const std::optional<ShownQuestion> shown = DialogDriver::shownQuestion(GEnvironment);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->text, "Qual?");
    EXPECT_EQ(shown->alternatives, (std::vector<std::wstring>{L"Hub", L"Switch", L"Roteador", L"Modem"}));
    _driver->answer(Reply{L"", {1, 3}}, true);
    runDriver(*_driver);
    EXPECT_EQ(GDialogs.answer(), Dialogs::okButton);
    EXPECT_EQ(GDialogs.getAnswer(), "1\t3");
}

TEST_F(DialogDriverTest, ReplacesTheTextOfTheAnswerBox)
{
    GDialogs.showProblem(Question{'1', "0008", "Escreva", {"rascunho"}});
    const std::optional<ShownQuestion> shown = DialogDriver::shownQuestion(GEnvironment);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->alternatives.empty());
    _driver->answer(Reply{L"127.0.0.1", {}}, false);
    runDriver(*_driver);
    EXPECT_EQ(GDialogs.answer(), Dialogs::okButton);
    EXPECT_EQ(GDialogs.getAnswer(), "127.0.0.1");
    GDialogs.CloseDialog();
    EXPECT_FALSE(DialogDriver::shownQuestion(GEnvironment));
}

TEST_F(DialogDriverTest, LogsOnWithTheNamesTyped)
{
    std::strcpy(GUser.usuario, "ana");
    std::strcpy(GUser.senha, "velha");
    GDialogs.setAnswer(0);
    GDialogs.fillLogon();
    GDialogs.ShowDialogLogon();
    // The log-on window holds two boxes: it is no question.
    EXPECT_FALSE(DialogDriver::shownQuestion(GEnvironment));
    _driver->logOn(L"bia", L"s3 nh&a");
    runDriver(*_driver);
    EXPECT_EQ(GDialogs.answer(), Dialogs::okButton);
    GDialogs.CloseDialog();
    GDialogs.copyLogonToUser();
    EXPECT_STREQ(GUser.usuario, "bia");
    EXPECT_STREQ(GUser.senha, "s3 nh&a");
}
