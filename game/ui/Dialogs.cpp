// The dialog windows on the engine's GUI: created once, shown and hidden around each question.
#include "ui/Dialogs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "platform/nativepath.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/EventReceiver.h"
#include "shell/fatal.h"
#include "shell/mediaFile.h"
#include "ui/DialogCodeEventReceiver.h"
#include "ui/MessageBox.h"
#include "ui/conv.h"
#include "ui/inputHandover.h"

Dialogs GDialogs;

namespace {

const bool resetRegistered = registerReset([] { GDialogs = Dialogs(); });

}

using namespace irr;

namespace {

bool isChoice(char type)
{
    return type == '2' || type == '3';
}

bool isFreeText(char type)
{
    return type == '1' || type == '4';
}

void copyBox(gui::IGUIEditBox* box, char* field, size_t size)
{
    core::stringc text(box->getText());
    std::strncpy(field, text.c_str(), size - 1);
    field[size - 1] = 0;
}

}

Dialogs::Dialogs()
    : _answer(99), _dialogTalk(nullptr), _dialogCode(nullptr), _dialogAlternative(nullptr),
      _dialogLogon(nullptr), _editBox(nullptr), _userEditBox(nullptr), _passEditBox(nullptr),
      _staticTalk(nullptr), _staticText(nullptr), _staticTextLogon(nullptr), _staticText2(nullptr), _option{}
{
}

void Dialogs::createDialogs()
{
    gui::IGUISkin* skin = GEnvironment->getSkin();
    for (int i = 0; i < gui::EGDC_COUNT; ++i) {
        video::SColor colour = skin->getColor(static_cast<gui::EGUI_DEFAULT_COLOR>(i));
        colour.setAlpha(230);
        skin->setColor(static_cast<gui::EGUI_DEFAULT_COLOR>(i), colour);
    }
    setWindowColour(video::SColor(230, 255, 255, 255));
    useDialogFont();
    DialogGeometry g = DialogGeometry::forScreen(Gconfig.res_x, Gconfig.res_y);
    createTalk(g);
    createCode(g);
    createAlternative(g);
    createLogon(g);
}

void Dialogs::setWindowColour(video::SColor colour)
{
    GEnvironment->getSkin()->setColor(gui::EGDC_WINDOW, colour);
}

// The dialogs cannot be read without their font, so the game cannot go on without it.
void Dialogs::useDialogFont()
{
    std::string path = nativePath((Gexepath + "\\media\\fontcalibri10.png").c_str());
    gui::IGUIFont* font = GEnvironment->getFont(path.c_str());
    if (!font) {
        fatal("font not found: " + path);
    }
    GEnvironment->getSkin()->setFont(font);
}

gui::IGUIWindow* Dialogs::addWindow(const DialogGeometry& g, int height, const char* name)
{
    gui::IGUIWindow* window =
        GEnvironment->addWindow(core::recti(0, 0, g.janelaH, height), false, L"Mensagem", nullptr, -1);
    if (!window) {
        fatal(std::string("panic in dialog ") + name + " creation");
    }
    // the engine's close button would delete the window under our pointers
    window->getCloseButton()->setVisible(false);
    return window;
}

void Dialogs::addOkCancel(gui::IGUIWindow* window, const DialogGeometry& g, int top, int bottom)
{
    GEnvironment->addButton(g.okButton(top, bottom), window, okButton, L"ok");
    GEnvironment->addButton(g.cancelButton(top, bottom), window, cancelButton, L"cancelar");
}

void Dialogs::createTalk(const DialogGeometry& g)
{
    setWindowColour(video::SColor(255, 255, 255, 255));
    _dialogTalk = addWindow(g, g.janelaV, "talk");
    _staticTalk = GEnvironment->addStaticText(L"no text", core::recti(g.bordaH, 20, g.spaceH, g.spaceV + 20),
                                              false, true, _dialogTalk, 0, true);
    GEnvironment->addButton(g.okButton(g.questionButtonsTop(), g.questionButtonsBottom()), _dialogTalk,
                            okButton, L"ok");
    _dialogTalk->setVisible(false);
}

void Dialogs::createCode(const DialogGeometry& g)
{
    setWindowColour(video::SColor(255, 255, 255, 255));
    _dialogCode = addWindow(g, g.janelaV, "code");
    _staticText = GEnvironment->addStaticText(L"no text", core::recti(g.bordaH, 20, g.spaceH, g.spaceV1 + 20),
                                              false, true, _dialogCode, 0, true);
    _editBox = GEnvironment->addEditBox(L"?", g.answerBox(), true, _dialogCode, -1);
    _editBox->setMultiLine(true);
    // a long answer reads from the top and wraps, as in any text area
    _editBox->setWordWrap(true);
    _editBox->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_UPPERLEFT);
    addOkCancel(_dialogCode, g, g.questionButtonsTop(), g.questionButtonsBottom());
    _dialogCode->setVisible(false);
}

void Dialogs::createAlternative(const DialogGeometry& g)
{
    _dialogAlternative = addWindow(g, g.janelaV, "alternative");
    _staticText2 =
        GEnvironment->addStaticText(L"no text", core::recti(g.bordaH, 20, g.spaceH, g.spaceV1 + 20), false,
                                    true, _dialogAlternative, 0, true);
    for (int k = 0; k < alternatives; ++k)
        _option[k] =
            GEnvironment->addCheckBox(false, g.choiceBox(k, alternatives), _dialogAlternative, 0, L" ");
    addOkCancel(_dialogAlternative, g, g.questionButtonsTop(), g.questionButtonsBottom());
    _dialogAlternative->setVisible(false);
}

void Dialogs::createLogon(const DialogGeometry& g)
{
    // the skin is shared: from here on every window is drawn in this colour
    setWindowColour(video::SColor(255, 255, 155, 155));
    _dialogLogon = addWindow(g, DialogGeometry::logonHeight, "logon");
    _staticTextLogon = GEnvironment->addStaticText(conv("Digite usu\xe1rio e senha!").c_str(),
                                                   core::recti(g.bordaH, 20, g.spaceH, 40), false, true,
                                                   _dialogLogon, 0, true);
    addLogonLabel(conv("Usu\xe1rio").c_str(), g.logonUserLabel());
    _userEditBox = GEnvironment->addEditBox(L"user?", g.logonUserBox(), true, _dialogLogon, -1);
    _userEditBox->setMultiLine(false);
    addLogonLabel(L"Senha", g.logonPasswordLabel());
    _passEditBox = GEnvironment->addEditBox(L"password?", g.logonPasswordBox(), true, _dialogLogon, -1);
    _passEditBox->setMultiLine(false);
    _passEditBox->setPasswordBox(true);
    addOkCancel(_dialogLogon, g, DialogGeometry::logonButtonsTop, DialogGeometry::logonButtonsBottom);
    _dialogLogon->setVisible(false);
    _dialogLogon->setRelativePosition(core::position2di(0, DialogGeometry::logonTop));
}

void Dialogs::addLogonLabel(const wchar_t* text, const core::recti& where)
{
    gui::IGUIStaticText* label = GEnvironment->addStaticText(text, where, false, false, _dialogLogon);
    label->setTextAlignment(gui::EGUIA_LOWERRIGHT, gui::EGUIA_CENTER);
}

// Return in the user box moves on to the password; Return in the password box is ok.
void Dialogs::logonReturn(gui::IGUIElement* box)
{
    if (box == _userEditBox)
        GEnvironment->setFocus(_passEditBox);
    else if (box == _passEditBox)
        _answer = okButton;
}

void Dialogs::ShowDialogLogon()
{
    _dialogLogon->setVisible(true);
    setCameraInput(false);
    GDevice->setEventReceiver(&GdialogCodeReceiver);
    showCursor(true);
}

void Dialogs::showLogonAgain(const std::string& why)
{
    _staticTextLogon->setText(conv(why.c_str()).c_str());
    _passEditBox->setText(L"");
    _answer = 0;
    ShowDialogLogon();
    GEnvironment->setFocus(_passEditBox);
}

void Dialogs::closeLogon()
{
    CloseDialog();
    if (_answer == cancelButton)
        endGame();
    copyLogonToUser();
    GLog.writelf(("logon as " + std::string(GUser.usuario)).c_str());
}

void Dialogs::fillLogon()
{
    _userEditBox->setText(conv(GUser.usuario).c_str());
    _passEditBox->setText(conv(GUser.senha).c_str());
}

void Dialogs::copyLogonToUser()
{
    copyBox(_userEditBox, GUser.usuario, sizeof GUser.usuario);
    copyBox(_passEditBox, GUser.senha, sizeof GUser.senha);
}

void Dialogs::showProblem(const Question& question)
{
    GLog.writelf("Dialog::showPrblm");
    GEventReceiver.clear_input();
    _question = question;
    setQuestion(question.text);
    const std::vector<std::string>& fields = question.fields;
    if (isChoice(_question.type)) {
        size_t i = 0;
        for (; i < fields.size() && i < alternatives; ++i)
            setAlternative(static_cast<int>(i), fields[i]);
        for (; i < alternatives; ++i)
            setAlternative(static_cast<int>(i), "");
    } else if (isFreeText(_question.type)) {
        setText(fields.empty() ? "" : fields[0]);
    }
    ShowDialog();
}

void Dialogs::ShowDialog()
{
    releaseArrowKeys();
    _answer = 0;
    GEventReceiver.clear_input();
    setCameraInput(false);
    if (isChoice(_question.type))
        _dialogAlternative->setVisible(true);
    else
        _dialogCode->setVisible(true);
    GDevice->setEventReceiver(&GdialogCodeReceiver);
    showCursor(true);
}

std::string Dialogs::getAnswer()
{
    if (isFreeText(_question.type))
        return core::stringc(_editBox->getText()).c_str();
    if (!isChoice(_question.type)) {
        fatal("panic in getAnswer", FatalWait::forKey);
    }
    std::string answer;
    for (int k = 0; k < alternatives; ++k) {
        if (!_option[k]->isChecked())
            continue;
        if (!answer.empty())
            answer += '\t';
        answer += static_cast<char>('0' + k);
    }
    return answer;
}

void Dialogs::CloseDialog()
{
    GEventReceiver.clear_input();
    _dialogCode->setVisible(false);
    _dialogAlternative->setVisible(false);
    _dialogLogon->setVisible(false);
    setCameraInput(true);
    showCursor(false);
    GDevice->setEventReceiver(&GEventReceiver);
}

void Dialogs::setQuestion(const std::string& text)
{
    const std::wstring wide = conv(text.c_str());
    _staticText->setText(wide.c_str());
    _staticText2->setText(wide.c_str());
    _staticTalk->setText(wide.c_str());
}

void Dialogs::setText(const std::string& text)
{
    _editBox->setText(conv(text.c_str()).c_str());
}

void Dialogs::setAlternative(int index, const std::string& text)
{
    _option[index]->setText(conv(text.c_str()).c_str());
    _option[index]->setChecked(false);
}

// The caption has no place on screen: the status bar draws the message alone.
void Dialogs::showMessageBox(const wchar_t*, const wchar_t* msg)
{
    GLog.writelf("showMessageBox");
    _answer = 0;
    GMessageBox.open(msg);
}

bool Dialogs::closedMessageBox() const
{
    return GMessageBox.isClosed();
}
