// The level's props, as the scenery list names them: the terminal, the antenna mast, the door switch,
// and the collectables (weapon, pen drive, certificate), with their textures.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"

void writeLevelProps(const OutputFolder& out, const ImageFiles& images);
