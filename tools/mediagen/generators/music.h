// The level's music: a loopable track in A minor, pads, bass, arpeggios, a tune and drums, about a minute.
#pragma once

#include "OutputFolder.h"

void writeMusic(const OutputFolder& out);
// The track's file name in the Sound folder.
extern const char* const MusicFile;
