// The ninja: a black-clad swordsman as a skinned B3D model with its skin, animated in the frame ranges
// the game plays: walk 0-13, attack 134-145, die 166-172, stand 206-250.
#pragma once

#include "Humanoid.h"
#include "ImageFiles.h"
#include "OutputFolder.h"

void writeNinja(const OutputFolder& out, const ImageFiles& images);

// Poses shared with the other figures built on the same body.
Humanoid::Pose walkPose(float phase);
Humanoid::Pose standPose(float phase);
