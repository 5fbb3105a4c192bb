// Sizes of the dialog windows, derived from the configured screen size.
#pragma once

struct DialogGeometry {
    int janelaH;  // window width
    int spaceH;   // width of the texts and boxes
    int bordaH;   // left margin
    int janelaV;  // window height
    int spaceV;   // height of the talk text
    int spaceV1;  // height of the question text
    int spaceV2;  // height of the answer area

    static DialogGeometry forScreen(int res_x, int res_y);
};
