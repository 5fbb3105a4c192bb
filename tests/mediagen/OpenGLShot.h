// An OpenGL window that draws one scene into a texture and reads it back as a picture, for the tests
// that show generated models; saved pictures go to the build folder's screenshots/.
#pragma once

#include <functional>
#include <irrlicht.h>
#include <string>

class OpenGLShot {
public:
    OpenGLShot(int width, int height);
    ~OpenGLShot();
    OpenGLShot(const OpenGLShot&) = delete;
    OpenGLShot& operator=(const OpenGLShot&) = delete;

    // False when there is no display to open a window on.
    bool ready() const { return _device != nullptr; }
    irr::scene::ISceneManager* scene() const { return _device->getSceneManager(); }
    irr::gui::IGUIEnvironment* gui() const { return _device->getGUIEnvironment(); }
    // Draws the scene and the GUI once, then whatever overlay draws; the caller drops the picture.
    irr::video::IImage* capture(irr::video::SColor background, const std::function<void()>& overlay = {});
    bool save(irr::video::IImage* picture, const std::string& name);

private:
    irr::IrrlichtDevice* _device = nullptr;
    irr::core::dimension2du _size;
};
