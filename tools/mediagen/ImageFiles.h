// Saves pictures through the engine's own image writers (png, jpg, bmp, pcx by the file's extension),
// on a null device of its own, so every image is one the game's engine reads.
#pragma once

#include <string>

#include <irrlicht.h>

#include "Image.h"

class ImageFiles {
public:
    ImageFiles();
    ~ImageFiles();
    ImageFiles(const ImageFiles&) = delete;
    ImageFiles& operator=(const ImageFiles&) = delete;

    // Throws when the engine cannot write the file.
    void save(const Image& image, const std::string& path, int jpegQuality = 90) const;

private:
    irr::IrrlichtDevice* _device;
};
