// The log-on, question and message windows, and the on-screen message box.
#pragma once

#include <irrlicht.h>
#include <string>
#include <vector>

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
    void showProblem(std::vector<std::string> strvector);
    void ShowDialog();
    bool isDialogOpened() const { return _answer == 0; }
    std::string getAnswer();
    void CloseDialog();

    void setQuestion(const std::string& text);
    void setText(const std::string& text);
    void setAlternative(int index, const std::string& text);
    void setQuestionType(char type) { _questionType = type; }

    void showMessageBox(const wchar_t* caption, const wchar_t* msg);
    bool closedMessageBox() const;

    int answer() const { return _answer; }
    void setAnswer(int answer) { _answer = answer; }
    // The log-on boxes filled from GUser, and GUser filled from them (199 characters at most each).
    void fillLogon();
    void copyLogonToUser();

private:
    void createTalk(const DialogGeometry& g);
    void createCode(const DialogGeometry& g);
    void createAlternative(const DialogGeometry& g);
    void createLogon(const DialogGeometry& g);
    irr::gui::IGUIWindow* addWindow(const DialogGeometry& g, int height, const char* name);
    void addOkCancel(irr::gui::IGUIWindow* window, const DialogGeometry& g, int top, int bottom);
    void useDialogFont();
    void setWindowColour(irr::video::SColor colour);

    int _answer;
    char _questionType;
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

// The message box: the text on show (null when none), whether it is closed, whether it holds the game.
extern const wchar_t* _Mensagem;
extern bool _ClosedMessage;
extern bool _TenirMessage;

// Takes the message box off the screen and gives the player's camera its input back.
void closeMessageBox();
