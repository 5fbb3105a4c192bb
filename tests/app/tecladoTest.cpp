// Tests of the per-frame input actions: quitting, test mode and asking for the next weapon.
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "app/teclado.h"
#include "shell/Config.h"
#include "shell/EventReceiver.h"
#include "shell/Config.h"
#include "support/DialogsOnNullDevice.h"
#include "support/EngineTest.h"
#include "ui/Dialogs.h"
#include "ui/MessageBox.h"

namespace {

void setKey(EventReceiver& receiver, irr::EKEY_CODE key, bool down)
{
    irr::SEvent event = {};
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.PressedDown = down;
    receiver.OnEvent(event);
}

void turnWheel(EventReceiver& receiver, float amount)
{
    irr::SEvent event = {};
    event.EventType = irr::EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = irr::EMIE_MOUSE_WHEEL;
    event.MouseInput.Wheel = amount;
    receiver.OnEvent(event);
}

class tecladoTest : public EngineTest {
protected:
    EventReceiver receiver;
};

}

TEST_F(tecladoTest, PTurnsTestModeOnForGoodOnlyWhereTheConfigAllowsCheating)
{
    for (bool cheating : {false, true}) {
        GcheatTests = false;
        Gconfig.cheating = cheating;
        process_input(&receiver);
        EXPECT_FALSE(GcheatTests);
        setKey(receiver, irr::KEY_KEY_P, true);
        process_input(&receiver);
        EXPECT_EQ(GcheatTests, cheating);
        setKey(receiver, irr::KEY_KEY_P, false);
        process_input(&receiver);
        EXPECT_EQ(GcheatTests, cheating);
    }
}

TEST_F(tecladoTest, OSaysByeAndEndsWithStatusZero)
{
    setKey(receiver, irr::KEY_KEY_O, true);
    EXPECT_EXIT(
        {
            // The death test matches what the child wrote on stderr.
            dup2(fileno(stderr), fileno(stdout));
            process_input(&receiver);
        },
        ::testing::ExitedWithCode(0), "^bye\n");
}

TEST_F(tecladoTest, HoldingASwitchesOncePerPress)
{
    setKey(receiver, irr::KEY_KEY_A, true);
    EXPECT_EQ(weaponSwitchesAsked(&receiver), 1);
    EXPECT_EQ(weaponSwitchesAsked(&receiver), 0);
    setKey(receiver, irr::KEY_KEY_A, false);
    EXPECT_EQ(weaponSwitchesAsked(&receiver), 0);
    setKey(receiver, irr::KEY_KEY_A, true);
    EXPECT_EQ(weaponSwitchesAsked(&receiver), 1);
    setKey(receiver, irr::KEY_KEY_A, false);
}

TEST_F(tecladoTest, OneWheelMovementSwitchesOnceAndAddsToAPress)
{
    EXPECT_EQ(weaponSwitchesAsked(&receiver), 0);
    turnWheel(receiver, -1.0f);
    EXPECT_EQ(weaponSwitchesAsked(&receiver), 1);
    EXPECT_EQ(weaponSwitchesAsked(&receiver), 0);
    setKey(receiver, irr::KEY_KEY_A, true);
    turnWheel(receiver, 1.0f);
    EXPECT_EQ(weaponSwitchesAsked(&receiver), 2);
    setKey(receiver, irr::KEY_KEY_A, false);
}

TEST_F(tecladoTest, MessageBoxHoldsTheScreenUntilEscapeSpaceOrReturn)
{
    createDialogs800x600();
    for (irr::EKEY_CODE key : {irr::KEY_ESCAPE, irr::KEY_SPACE, irr::KEY_RETURN}) {
        GDialogs.showMessageBox(L" AVISO ", L"Ol\u00e1");
        EXPECT_EQ(std::wstring(GMessageBox.text()), L"Ol\u00e1");
        EXPECT_FALSE(GDialogs.closedMessageBox());
        EXPECT_TRUE(GMessageBox.holdsGame());
        process_input(&GEventReceiver);
        EXPECT_FALSE(GDialogs.closedMessageBox());

        irr::SEvent press{};
        press.EventType = irr::EET_KEY_INPUT_EVENT;
        press.KeyInput.Key = key;
        press.KeyInput.PressedDown = true;
        GEventReceiver.OnEvent(press);
        process_input(&GEventReceiver);
        EXPECT_EQ(GMessageBox.text(), nullptr);
        EXPECT_TRUE(GDialogs.closedMessageBox());
        EXPECT_FALSE(GMessageBox.holdsGame());
        GEventReceiver.clear_input();
    }
}
