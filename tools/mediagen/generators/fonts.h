// The game's bitmap fonts: the GUI font, the message font and the big status figures.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"

void writeFonts(const OutputFolder& out, const ImageFiles& images);
