// The log-on phase of the main loop on the null device: ok, cancelar, and the device closing.
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/MainLoop.h"
#include "shell/Config.h"
#include "shell/Executable.h"
#include "support/DialogsOnNullDevice.h"
#include "support/EngineTest.h"

namespace {

class FrameCounter : public Executable {
public:
    void exec() override
    {
        std::fputs("frame ran", stderr);
        if (++frames == 2)
            stopGame();
    }
    int frames = 0;
};

class LogonPhaseTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        std::strcpy(GUser.usuario, "ana");
        std::strcpy(GUser.senha, "segredo");
        counter = std::make_unique<FrameCounter>();
    }
    std::unique_ptr<FrameCounter> counter;
};

}

TEST_F(LogonPhaseTest, OkTakesTheTypedNameAndStartsTheFrames)
{
    createDialogsAnswering([] {
        EXPECT_EQ(std::wstring(logonUserBox()->getText()), L"ana");
        logonUserBox()->setText(L"bia");
        GDialogs.setAnswer(Dialogs::okButton);
    });
    gameLoop();
    EXPECT_STREQ(GUser.usuario, "bia");
    EXPECT_STREQ(GUser.senha, "segredo");
    EXPECT_EQ(counter->frames, 2);
    EXPECT_FALSE(GDialogs.isDialogOpened());
}

TEST_F(LogonPhaseTest, CancelarEndsWithZeroBeforeAnyFrame)
{
    createDialogsAnswering([] { GDialogs.setAnswer(Dialogs::cancelButton); });
    EXPECT_EXIT(gameLoop(), ::testing::ExitedWithCode(0), "^$");
}

TEST_F(LogonPhaseTest, ClosingTheWindowKeepsTheTypedNameAndRunsNoFrame)
{
    createDialogsAnswering([] {
        logonUserBox()->setText(L"carla");
        GDevice->closeDevice();
    });
    EXPECT_EQ(gameLoop(), 1);
    EXPECT_STREQ(GUser.usuario, "carla");
    EXPECT_EQ(counter->frames, 0);
}
