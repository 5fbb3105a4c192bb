// The log-on, question and message windows.
#pragma once

#include <irrlicht.h>
#include <string>
#include <vector>

#include "net/Question.h"
#include "ui/DialogGeometry.h"

class Dialogs {
public:
    static constexpr int okButton = 666;
    static constexpr int cancelButton = 777;
    static constexpr int messageBoxOk = 15;
    // The most answers a question of choice offers.
    static constexpr int alternatives = 5;

    Dialogs();

    void createDialogs();
    void ShowDialogLogon();
    // The log-on window again after the server refused it or did not answer: why, above the boxes; the
    // name kept, the password box emptied.
    void showLogonAgain(const std::string& why);
    // Closes the log-on window as answered: cancelar ends the game; otherwise GUser takes the boxes' texts.
    void closeLogon();
    // Fills the window of the question's kind and shows it.
    void showProblem(const Question& question);
    // The question the window shows, or showed last.
    const Question& question() const { return _question; }
    void ShowDialog();
    bool isDialogOpened() const { return _answer == 0; }
    std::string getAnswer();
    void CloseDialog();

    void setQuestion(const std::string& text);
    void setText(const std::string& text);
    void setAlternative(int index, const std::string& text);

    // The message box (ui/MessageBox.h) as the game asks for it.
    void showMessageBox(const wchar_t* caption, const wchar_t* msg);
    bool closedMessageBox() const;

    int answer() const { return _answer; }
    void setAnswer(int answer) { _answer = answer; }
    // The log-on boxes filled from GUser, and GUser filled from them (199 characters at most each).
    void fillLogon();
    void copyLogonToUser();
    // Return pressed in one of the log-on boxes.
    void logonReturn(irr::gui::IGUIElement* box);

private:
    void createTalk(const DialogGeometry& g);
    void createCode(const DialogGeometry& g);
    void createAlternative(const DialogGeometry& g);
    void createLogon(const DialogGeometry& g);
    void addLogonLabel(const wchar_t* text, const irr::core::recti& where);
    irr::gui::IGUIWindow* addWindow(const DialogGeometry& g, int height, const char* name);
    void addOkCancel(irr::gui::IGUIWindow* window, const DialogGeometry& g, int top, int bottom);
    void useDialogFont();
    void setWindowColour(irr::video::SColor colour);

    int _answer;
    Question _question;
    irr::gui::IGUIWindow* _dialogTalk;
    irr::gui::IGUIWindow* _dialogCode;
    irr::gui::IGUIWindow* _dialogAlternative;
    irr::gui::IGUIWindow* _dialogLogon;
    irr::gui::IGUIEditBox* _editBox;
    irr::gui::IGUIEditBox* _userEditBox;
    irr::gui::IGUIEditBox* _passEditBox;
    irr::gui::IGUIStaticText* _staticTalk;
    irr::gui::IGUIStaticText* _staticText;
    irr::gui::IGUIStaticText* _staticTextLogon;
    irr::gui::IGUIStaticText* _staticText2;
    irr::gui::IGUICheckBox* _option[alternatives];
};

// The game's windows.
extern Dialogs GDialogs;
