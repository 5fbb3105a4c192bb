// The spider: a hairy body on eight jointed legs as a skinned B3D model facing +Z, with its own skin,
// animated in the frame ranges the game plays: walk 1-25, attack 197-230, stand 206-250, die 382-398.
// Attack and stand share frames 206-230: the attack rears and slams down by 206, then both paw the floor.
#pragma once

#include "ImageFiles.h"
#include "JointedBody.h"
#include "OutputFolder.h"

void writeSpider(const OutputFolder& out, const ImageFiles& images);

// The body the model is made of, and its pose at any frame the game plays.
JointedBody spiderBody();
JointedBody::Pose spiderPose(int frame);
