// Pictures saved through the engine's own image writers on a null device.
#include "ImageFiles.h"

#include <stdexcept>

ImageFiles::ImageFiles()
{
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.LoggingLevel = irr::ELL_NONE;
    _device = irr::createDeviceEx(params);
    if (!_device)
        throw std::runtime_error("cannot start the engine's null device");
}

ImageFiles::~ImageFiles()
{
    _device->drop();
}

void ImageFiles::save(const Image& image, const std::string& path, int jpegQuality) const
{
    irr::video::IVideoDriver* driver = _device->getVideoDriver();
    irr::video::IImage* picture = driver->createImageFromData(
        irr::video::ECF_A8R8G8B8, irr::core::dimension2du(image.width(), image.height()),
        const_cast<std::uint32_t*>(image.pixels().data()), false, false);
    const bool written = driver->writeImageToFile(picture, path.c_str(), static_cast<irr::u32>(jpegQuality));
    picture->drop();
    if (!written)
        throw std::runtime_error("cannot write image " + path);
}
