// The super soldier: the humanoid body as a Quake 2 model (standing, then a walk cycle) with its PCX skin.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"

void writeSuper(const OutputFolder& out, const ImageFiles& images);
