// Model files are checked for a sound structure before the engine's loaders, which hang or read out of
// bounds on damaged files, ever see them; every mesh the game loads from media goes through here.
#pragma once

#include <string>

#include <irrlicht.h>

// What is wrong with the model file's bytes, by the format its extension names (any case): empty when its
// structure holds together, or when the extension is not one of .3ds, .b3d, .ms3d, .obj and .md2.
std::string meshFileFault(const std::string& bytes, const std::string& extension);

// The engine's mesh of the file, or null when the file cannot be read or is damaged: the callers report a
// damaged model as they report a missing one.
irr::scene::IAnimatedMesh* loadCheckedMesh(const irr::io::path& path);
