// The world's textures: the sky, the picture on the wall, the answer signs and the spider's skin.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"

void writeTextures(const OutputFolder& out, const ImageFiles& images);
