// The world's textures: the sky, the picture on the wall and the answer signs.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"

void writeTextures(const OutputFolder& out, const ImageFiles& images);
