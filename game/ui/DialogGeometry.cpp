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
