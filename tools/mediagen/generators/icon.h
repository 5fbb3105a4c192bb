// The game's icon for desktop menus: a satellite over a dish sending it a signal, at the sizes the
// desktop's icon theme folders hold.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"

// Writes icons/satlink-S.png for each size S the desktop's icon theme has a folder for. The size is in
// the name because no two media files may share one.
void writeIcon(const OutputFolder& out, const ImageFiles& images);
