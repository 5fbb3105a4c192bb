// Tests of the recorded input states: keys, the three mouse buttons, the pointer and the wheel.
#include "shell/EventReceiver.h"
#include "support/EngineTest.h"

namespace {

irr::SEvent keyEvent(irr::EKEY_CODE key, bool down)
{
    irr::SEvent event = {};
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.PressedDown = down;
    return event;
}

irr::SEvent mouseEvent(irr::EMOUSE_INPUT_EVENT kind, int x = 0, int y = 0, float wheel = 0)
{
    irr::SEvent event = {};
    event.EventType = irr::EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = kind;
    event.MouseInput.X = x;
    event.MouseInput.Y = y;
    event.MouseInput.Wheel = wheel;
    return event;
}

}

TEST(EventReceiverTest, KeysAreOnlyDownOrUpAndEventsGoOn)
{
    EventReceiver receiver;
    EXPECT_FALSE(receiver.OnEvent(keyEvent(irr::KEY_KEY_A, true)));
    EXPECT_TRUE(receiver.keyDown(0x41));
    EXPECT_FALSE(receiver.keyPressed(0x41));
    EXPECT_FALSE(receiver.OnEvent(keyEvent(irr::KEY_KEY_A, false)));
    EXPECT_TRUE(receiver.keyUp(0x41));
    EXPECT_FALSE(receiver.keyReleased(0x41));
}

TEST(EventReceiverTest, LeftButtonShowsOnlyDownAndUp)
{
    EventReceiver receiver;
    receiver.OnEvent(mouseEvent(irr::EMIE_LMOUSE_PRESSED_DOWN));
    EXPECT_TRUE(receiver.leftMouseDown());
    EXPECT_FALSE(receiver.leftMousePressed());
    receiver.OnEvent(mouseEvent(irr::EMIE_LMOUSE_LEFT_UP));
    EXPECT_TRUE(receiver.leftMouseUp());
    EXPECT_FALSE(receiver.leftMouseReleased());
}

TEST(EventReceiverTest, MiddleAndRightButtonsPassThroughPressedAndReleased)
{
    EventReceiver receiver;
    receiver.OnEvent(mouseEvent(irr::EMIE_RMOUSE_PRESSED_DOWN));
    EXPECT_TRUE(receiver.rightMousePressed());
    EXPECT_TRUE(receiver.rightMouseDown());
    receiver.OnEvent(mouseEvent(irr::EMIE_RMOUSE_PRESSED_DOWN));
    EXPECT_FALSE(receiver.rightMousePressed());
    EXPECT_TRUE(receiver.rightMouseDown());
    receiver.OnEvent(mouseEvent(irr::EMIE_RMOUSE_LEFT_UP));
    EXPECT_TRUE(receiver.rightMouseReleased());
    EXPECT_TRUE(receiver.rightMouseUp());
    receiver.OnEvent(mouseEvent(irr::EMIE_RMOUSE_PRESSED_DOWN));
    EXPECT_TRUE(receiver.rightMousePressed());

    receiver.OnEvent(mouseEvent(irr::EMIE_MMOUSE_LEFT_UP));
    EXPECT_FALSE(receiver.middleMouseReleased());
    receiver.OnEvent(mouseEvent(irr::EMIE_MMOUSE_PRESSED_DOWN));
    EXPECT_TRUE(receiver.middleMousePressed());
    receiver.OnEvent(mouseEvent(irr::EMIE_MMOUSE_LEFT_UP));
    EXPECT_TRUE(receiver.middleMouseReleased());
}

TEST(EventReceiverTest, PointerIsStoredAndWheelMovementsAddUp)
{
    EventReceiver receiver;
    receiver.OnEvent(mouseEvent(irr::EMIE_MOUSE_MOVED, 120, 45));
    receiver.OnEvent(mouseEvent(irr::EMIE_MOUSE_WHEEL, 0, 0, 1.0f));
    receiver.OnEvent(mouseEvent(irr::EMIE_MOUSE_WHEEL, 0, 0, 1.0f));
    EXPECT_EQ(receiver.mouseX(), 120);
    EXPECT_EQ(receiver.mouseY(), 45);
    EXPECT_EQ(receiver.mouseWheel(), 2.0f);
    EXPECT_EQ(receiver.takeMouseWheel(), 2.0f);
    EXPECT_EQ(receiver.mouseWheel(), 0.0f);
}

TEST(EventReceiverTest, ClearInputPutsEverythingBack)
{
    EventReceiver receiver;
    receiver.OnEvent(keyEvent(irr::KEY_SPACE, true));
    receiver.OnEvent(mouseEvent(irr::EMIE_LMOUSE_PRESSED_DOWN));
    receiver.OnEvent(mouseEvent(irr::EMIE_RMOUSE_PRESSED_DOWN));
    receiver.OnEvent(mouseEvent(irr::EMIE_MOUSE_MOVED, 3, 4));
    receiver.OnEvent(mouseEvent(irr::EMIE_MOUSE_WHEEL, 0, 0, -1.0f));
    receiver.clear_input();
    for (int key = 0; key < 256; ++key)
        ASSERT_TRUE(receiver.keyUp(static_cast<irr::u8>(key))) << key;
    EXPECT_TRUE(receiver.leftMouseUp());
    EXPECT_TRUE(receiver.middleMouseUp());
    EXPECT_TRUE(receiver.rightMouseUp());
    EXPECT_EQ(receiver.mouseX(), 0);
    EXPECT_EQ(receiver.mouseY(), 0);
    EXPECT_EQ(receiver.mouseWheel(), 0.0f);
}

TEST(EventReceiverTest, OtherEventsAreIgnored)
{
    EventReceiver receiver;
    irr::SEvent event = {};
    event.EventType = irr::EET_LOG_TEXT_EVENT;
    EXPECT_FALSE(receiver.OnEvent(event));
    EXPECT_TRUE(receiver.keyUp(0));
}

TEST(EventReceiverTest, APressIsTakenOnceAndEachKeyApart)
{
    EventReceiver receiver;
    receiver.OnEvent(keyEvent(irr::KEY_KEY_A, true));
    receiver.OnEvent(keyEvent(irr::KEY_KEY_B, true));
    EXPECT_TRUE(receiver.takeKeyPress(0x41));
    EXPECT_FALSE(receiver.takeKeyPress(0x41));
    EXPECT_TRUE(receiver.takeKeyPress(0x42));
    // a key never seen up since its last take stays taken, even across many calls
    EXPECT_FALSE(receiver.takeKeyPress(0x41));
    // clearing the input forgets the takes: a key held through it counts as a new press
    receiver.clear_input();
    receiver.OnEvent(keyEvent(irr::KEY_KEY_A, true));
    EXPECT_TRUE(receiver.takeKeyPress(0x41));
}
