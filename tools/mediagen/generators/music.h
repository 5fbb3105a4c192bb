// The level's music: a loopable track in A minor, pads, bass, arpeggios, a tune and drums, about a minute.
#pragma once

#include "OutputFolder.h"

void writeMusic(const OutputFolder& out);
