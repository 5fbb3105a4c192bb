// An OpenGL window that draws a scene into a texture and saves it as a picture.
#include "OpenGLShot.h"

#include <cstdlib>
#include <filesystem>

using namespace irr;

OpenGLShot::OpenGLShot(int width, int height) : _size(width, height)
{
    if (std::getenv("DISPLAY"))
        _device = createDevice(video::EDT_OPENGL, _size);
}

OpenGLShot::~OpenGLShot()
{
    if (_device)
        _device->drop();
}

// Drawn into a texture and read back from it: reading the window's buffers is unreliable under Xvfb.
video::IImage* OpenGLShot::capture(video::SColor background, const std::function<void()>& overlay)
{
    video::IVideoDriver* driver = _device->getVideoDriver();
    video::ITexture* target = driver->addRenderTargetTexture(_size, "shot");
    if (!target)
        return nullptr;
    _device->run();
    driver->beginScene(true, true, background);
    driver->setRenderTarget(target, true, true, background);
    scene()->drawAll();
    gui()->drawAll();
    if (overlay)
        overlay();
    driver->setRenderTarget(nullptr, false, false);
    driver->endScene();
    video::IImage* picture = driver->createImage(target, core::position2di(0, 0), _size);
    driver->removeTexture(target);
    return picture;
}

bool OpenGLShot::save(video::IImage* picture, const std::string& name)
{
    const std::string folder = std::string(SATLINK_BUILD_DIR) + "/screenshots";
    std::filesystem::create_directories(folder);
    return _device->getVideoDriver()->writeImageToFile(picture, (folder + "/" + name).c_str());
}
