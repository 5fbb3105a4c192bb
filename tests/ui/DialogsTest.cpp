// The dialog windows on the null device: geometry, texts, answers read back, the receivers.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "shell/Config.h"
#include "shell/EventReceiver.h"
#include "shell/mediaFile.h"
#include "support/DialogsOnNullDevice.h"
#include "support/EngineTest.h"
#include "ui/DialogCodeEventReceiver.h"
#include "ui/Dialogs.h"
#include "ui/MessageBox.h"

using namespace irr;

namespace {

class DialogsTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        createDialogs800x600();
        for (gui::IGUIElement* element : root()->getChildren())
            _windows.push_back(element);
    }

    gui::IGUIElement* root() { return GEnvironment->getRootGUIElement(); }

    // The four windows in creation order: talk, code, alternative, log-on (a click reorders the root's).
    gui::IGUIElement* window(int index) { return _windows.at(index); }

    gui::IGUIElement* child(gui::IGUIElement* parent, gui::EGUI_ELEMENT_TYPE type, int index = 0)
    {
        for (gui::IGUIElement* element : parent->getChildren())
            if (element->getType() == type && index-- == 0)
                return element;
        return nullptr;
    }

    gui::IGUIElement* button(gui::IGUIElement* parent, int id) { return parent->getElementFromId(id); }

    gui::IGUICheckBox* option(int k)
    {
        return static_cast<gui::IGUICheckBox*>(child(window(2), gui::EGUIET_CHECK_BOX, k));
    }

    void showChoice(std::vector<std::string> alternatives)
    {
        GDialogs.showProblem(Question{'2', "ABCD", "Qual \xe9 a op\xe7\xe3o?", alternatives});
    }

    void click(gui::IGUIElement* button)
    {
        core::position2di at = button->getAbsolutePosition().getCenter();
        for (EMOUSE_INPUT_EVENT kind : {EMIE_LMOUSE_PRESSED_DOWN, EMIE_LMOUSE_LEFT_UP}) {
            SEvent event{};
            event.EventType = EET_MOUSE_INPUT_EVENT;
            event.MouseInput.Event = kind;
            event.MouseInput.X = at.X;
            event.MouseInput.Y = at.Y;
            GDevice->postEventFromUser(event);
        }
    }

    std::vector<gui::IGUIElement*> _windows;
};

}

TEST(DialogGeometryTest, ScreenOf800By600)
{
    DialogGeometry g = DialogGeometry::forScreen(800, 600);
    EXPECT_EQ(g.janelaH, 750);
    EXPECT_EQ(g.spaceH, 712);
    EXPECT_EQ(g.bordaH, 19);
    EXPECT_EQ(g.janelaV, 550);
    EXPECT_EQ(g.spaceV1, 173);
    EXPECT_EQ(g.spaceV2, 322);
}

TEST_F(DialogsTest, FourHiddenWindowsWithTheirGeometry)
{
    ASSERT_EQ(root()->getChildren().size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(window(i)->isVisible());
        EXPECT_EQ(std::wstring(window(i)->getText()), L"Mensagem");
    }
    EXPECT_EQ(window(0)->getRelativePosition(), core::recti(0, 0, 750, 550));
    EXPECT_EQ(window(3)->getRelativePosition(), core::recti(0, 30, 750, 225));
    EXPECT_EQ(child(window(2), gui::EGUIET_CHECK_BOX, 4)->getRelativePosition(),
              core::recti(19, 173 + 4 * 64 + 25, 712, 173 + 5 * 64 + 23));
    EXPECT_EQ(button(window(3), Dialogs::cancelButton)->getRelativePosition(), core::recti(466, 145, 566, 170));
    EXPECT_EQ(std::wstring(child(window(3), gui::EGUIET_STATIC_TEXT)->getText()), L"Digite usu\u00e1rio e senha!");
    EXPECT_TRUE(static_cast<gui::IGUIEditBox*>(child(window(3), gui::EGUIET_EDIT_BOX, 1))->isPasswordBox());
    EXPECT_EQ(GDialogs.answer(), 99);
}

TEST_F(DialogsTest, ChoiceWithTwoAlternativesClearsTheOtherBoxes)
{
    option(2)->setChecked(true);
    showChoice({"Marte", "V\xeanus"});
    EXPECT_TRUE(window(2)->isVisible());
    EXPECT_FALSE(window(1)->isVisible());
    EXPECT_EQ(std::wstring(child(window(2), gui::EGUIET_STATIC_TEXT)->getText()), L"Qual \u00e9 a op\u00e7\u00e3o?");
    EXPECT_EQ(std::wstring(option(1)->getText()), L"V\u00eanus");
    for (int k = 2; k < 5; ++k) {
        EXPECT_EQ(std::wstring(option(k)->getText()), L"");
        EXPECT_FALSE(option(k)->isChecked());
    }
    EXPECT_TRUE(GDialogs.isDialogOpened());
}

// At most five alternatives show; the ticked ones are read back as digits joined by a tab.
TEST_F(DialogsTest, ChoiceShowsFiveAlternativesAndReadsTheTickedOnes)
{
    showChoice({"a", "b", "c", "d", "e", "f", "g"});
    EXPECT_EQ(std::wstring(option(4)->getText()), L"e");
    EXPECT_EQ(GDialogs.getAnswer(), "");
    option(1)->setChecked(true);
    option(3)->setChecked(true);
    EXPECT_EQ(GDialogs.getAnswer(), "1\t3");
}

TEST_F(DialogsTest, FreeTextStartsFromFieldOneAndKeepsLatinBytes)
{
    GDialogs.showProblem(Question{'4', "ABCD", "Escreva:", {}});
    EXPECT_TRUE(window(1)->isVisible());
    EXPECT_FALSE(window(2)->isVisible());
    EXPECT_EQ(std::wstring(child(window(1), gui::EGUIET_STATIC_TEXT)->getText()), L"Escreva:");
    EXPECT_EQ(GDialogs.getAnswer(), "");
    GDialogs.showProblem(Question{'4', "ABCD", "Escreva:", {"x = 1"}});
    EXPECT_EQ(GDialogs.getAnswer(), "x = 1");
    child(window(1), gui::EGUIET_EDIT_BOX)->setText(L"a\u00e7\u00e3o");
    EXPECT_EQ(GDialogs.getAnswer(), "a\xe7\xe3o");
}

TEST_F(DialogsTest, ButtonsEndTheWaitAndCloseGivesTheGameItsReceiverBack)
{
    showChoice({"a", "b"});
    click(option(0));
    click(button(window(2), Dialogs::cancelButton));
    EXPECT_EQ(GDialogs.answer(), Dialogs::cancelButton);
    EXPECT_EQ(GDialogs.getAnswer(), "0");
    GDialogs.CloseDialog();
    EXPECT_FALSE(window(2)->isVisible());

    GDialogs.setAnswer(0);
    GDialogs.ShowDialogLogon();
    click(button(window(3), Dialogs::okButton));
    EXPECT_EQ(GDialogs.answer(), Dialogs::okButton);
    EXPECT_EQ(GDevice->getEventReceiver(), &GdialogCodeReceiver);
    GDialogs.CloseDialog();
    EXPECT_EQ(GDevice->getEventReceiver(), &GEventReceiver);
    click(button(window(3), Dialogs::cancelButton));
    EXPECT_EQ(GDialogs.answer(), Dialogs::okButton);
}

// Each box has its label on its left; Return in the user box goes on to the password, in the password
// box it is ok.
TEST_F(DialogsTest, LogonBoxesAreLabelledAndReturnInThePasswordIsOk)
{
    const struct {
        int text;
        const wchar_t* label;
        int box;
    } labels[] = {{1, L"Usu\u00e1rio", 0}, {2, L"Senha", 1}};
    for (const auto& l : labels) {
        gui::IGUIElement* label = child(window(3), gui::EGUIET_STATIC_TEXT, l.text);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(std::wstring(label->getText()), l.label);
        const core::recti box = child(window(3), gui::EGUIET_EDIT_BOX, l.box)->getRelativePosition();
        EXPECT_LT(label->getRelativePosition().LowerRightCorner.X, box.UpperLeftCorner.X);
        EXPECT_EQ(label->getRelativePosition().getCenter().Y, box.getCenter().Y);
    }
    GDialogs.setAnswer(0);
    GDialogs.ShowDialogLogon();
    for (int box : {0, 1}) {
        gui::IGUIElement* edit = child(window(3), gui::EGUIET_EDIT_BOX, box);
        GEnvironment->setFocus(edit);
        SEvent key{};
        key.EventType = EET_KEY_INPUT_EVENT;
        key.KeyInput.Key = KEY_RETURN;
        for (bool down : {true, false}) {
            key.KeyInput.PressedDown = down;
            GDevice->postEventFromUser(key);
        }
        if (box == 0) {
            EXPECT_EQ(GEnvironment->getFocus(), child(window(3), gui::EGUIET_EDIT_BOX, 1));
            EXPECT_EQ(GDialogs.answer(), 0);
        }
    }
    EXPECT_EQ(GDialogs.answer(), Dialogs::okButton);
    GDialogs.CloseDialog();
}

TEST_F(DialogsTest, LogonBoxesCarryTheUserBothWays)
{
    std::strcpy(GUser.usuario, "jo\xe3o");
    std::strcpy(GUser.senha, "abc");
    GDialogs.fillLogon();
    EXPECT_EQ(std::wstring(child(window(3), gui::EGUIET_EDIT_BOX, 0)->getText()), L"jo\u00e3o");
    child(window(3), gui::EGUIET_EDIT_BOX, 1)->setText(core::stringw(std::string(300, 'k').c_str()).c_str());
    GDialogs.copyLogonToUser();
    EXPECT_STREQ(GUser.usuario, "jo\xe3o");
    EXPECT_EQ(std::string(GUser.senha), std::string(199, 'k'));
}

class DialogsFontTest : public EngineTest {
};

TEST_F(DialogsFontTest, MissingFontEndsTheGameWithItsPath)
{
    Gexepath = makeTempDir().c_str();
    Gconfig.res_x = 800;
    Gconfig.res_y = 600;
    EXPECT_EXIT(
        {
            dup2(fileno(stderr), fileno(stdout));
            GDialogs.createDialogs();
        },
        ::testing::ExitedWithCode(1), "font not found: .*/media/fontcalibri10.png");
}
