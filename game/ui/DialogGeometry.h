// Sizes of the dialog windows, derived from the configured screen size, and where their parts sit.
#pragma once

#include <irrlicht.h>

struct DialogGeometry {
    int janelaH;  // window width
    int spaceH;   // width of the texts and boxes
    int bordaH;   // left margin
    int janelaV;  // window height
    int spaceV;   // height of the talk text
    int spaceV1;  // height of the question text
    int spaceV2;  // height of the answer area

    // The log-on window: this far down the screen, this high, its rows fixed whatever the screen.
    static constexpr int logonTop = 30;
    static constexpr int logonHeight = 195;
    static constexpr int logonButtonsTop = 145;
    static constexpr int logonButtonsBottom = 170;
    static constexpr int logonLabelWidth = 90;

    static DialogGeometry forScreen(int res_x, int res_y);

    // Parts of a window, in the window's own coordinates.
    irr::core::recti okButton(int top, int bottom) const;
    irr::core::recti cancelButton(int top, int bottom) const;
    int questionButtonsTop() const { return janelaV - 21; }
    int questionButtonsBottom() const { return janelaV - 2; }
    // Each log-on box has its label on its left.
    irr::core::recti logonUserBox() const { return {bordaH + logonLabelWidth, 45, spaceH, 70}; }
    irr::core::recti logonPasswordBox() const { return {bordaH + logonLabelWidth, 95, spaceH, 120}; }
    irr::core::recti logonUserLabel() const { return {bordaH, 45, bordaH + logonLabelWidth - 8, 70}; }
    irr::core::recti logonPasswordLabel() const { return {bordaH, 95, bordaH + logonLabelWidth - 8, 120}; }
    irr::core::recti answerBox() const { return {bordaH, spaceV1 + 25, spaceH, spaceV1 + spaceV2 + 25}; }
    // The k-th of `count` boxes sharing the answer area of a choice.
    irr::core::recti choiceBox(int k, int count) const;
};
