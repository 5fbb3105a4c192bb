// The player's carried models: the hand that casts snowflakes (OBJ) and the rifle (MS3D), with their
// textures.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"

void writeWeapons(const OutputFolder& out, const ImageFiles& images);
