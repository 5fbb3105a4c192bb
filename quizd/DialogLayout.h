// Where the game's question window puts a text: its word wrap with the widths of the dialog font, in the
// smallest window the game opens (a 700 x 500 screen), so a preview shows the breaks the students see.
#pragma once
#include <string>
#include <vector>

namespace quizd {

class DialogLayout {
public:
    // The window leaves 50 pixels of the screen free each way; texts take 95 % of its width.
    static constexpr int kScreenWidth = 700;
    static constexpr int kScreenHeight = 500;
    static constexpr int kWindowWidth = kScreenWidth - 50;
    static constexpr int kWindowHeight = kScreenHeight - 50;
    static constexpr int kTextRight = int(kWindowWidth * 0.95);
    static constexpr int kTextLeft = (kWindowWidth - kTextRight) / 2;
    static constexpr int kTextWidth = kTextRight - kTextLeft;
    static constexpr int kTextTop = 20;
    static constexpr int kTextHeight = int((kWindowHeight - 55) * 0.35);
    static constexpr int kAnswerHeight = kWindowHeight - kTextHeight - 55;
    static constexpr int kLineHeight = 18;
    // A check box's label starts after the box and is cut, not wrapped, at the window's text edge.
    static constexpr int kCheckBoxLabelWidth = kTextWidth - 23;

    // Width in pixels of Windows-1252 bytes as the engine measures them with the dialog font.
    static int width(const std::string& cp1252);
    static int width(unsigned char byte);
    // The lines the window's word wrap makes of a text.
    static std::vector<std::string> wrap(const std::string& cp1252);
    static int visibleLines() { return kTextHeight / kLineHeight; }
};

}
