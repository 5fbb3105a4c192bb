// The window leaves 50 pixels of the screen free each way; texts take 95 % of its width.
#include "ui/DialogGeometry.h"

DialogGeometry DialogGeometry::forScreen(int res_x, int res_y)
{
    DialogGeometry g;
    g.janelaH = res_x - 50;
    g.spaceH = static_cast<int>(g.janelaH * 0.95);
    g.bordaH = (g.janelaH - g.spaceH) / 2;
    g.janelaV = res_y - 50;
    g.spaceV = g.janelaV - 55;
    g.spaceV1 = static_cast<int>(g.spaceV * 0.35);
    g.spaceV2 = g.janelaV - g.spaceV1 - 55;
    return g;
}

irr::core::recti DialogGeometry::okButton(int top, int bottom) const
{
    return {spaceH / 2, top, spaceH / 2 + 100, bottom};
}

irr::core::recti DialogGeometry::cancelButton(int top, int bottom) const
{
    return {spaceH / 2 + 110, top, spaceH / 2 + 210, bottom};
}

irr::core::recti DialogGeometry::choiceBox(int k, int count) const
{
    int q = spaceV2 / count;
    return {bordaH, spaceV1 + k * q + 25, spaceH, spaceV1 + (k + 1) * q + 23};
}
