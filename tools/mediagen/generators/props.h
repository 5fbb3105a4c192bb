// The 3D Studio props: the sword that also serves as the wand, the tables with chairs and the caliper
// that mends the antenna, with their textures.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"

void writeProps(const OutputFolder& out, const ImageFiles& images);
