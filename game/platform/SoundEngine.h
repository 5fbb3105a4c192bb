// The game's sound engine over OpenAL: 2-D and positional playback, preloaded sources, voices.
#pragma once

#include <AL/alc.h>
#include <irrlicht.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/Sound.h"
#include "platform/SoundSource.h"

class SoundEngine {
public:
    // A sound engine on the default output device, or null when no device opens.
    static SoundEngine* create();

    // Each play returns a Sound the caller must drop() when it is tracked or starts paused, and
    // null otherwise (the sound then plays to its end on its own); null too when the file cannot
    // be played. File names may be the game's backslash, mixed-case paths.
    Sound* play2D(const char* file, bool looped = false, bool startPaused = false, bool track = false);
    Sound* play3D(const char* file, const irr::core::vector3df& position, bool looped = false,
                  bool startPaused = false, bool track = false);
    Sound* play3D(SoundSource* source, const irr::core::vector3df& position, bool looped = false,
                  bool startPaused = false, bool track = false);

    // The engine keeps the source until it is dropped; adding a file again gives the same source.
    // Null when the file cannot be read.
    SoundSource* addSoundSourceFromFile(const char* file, bool preload = true);

    // Where positional sounds are heard from: the listener stands at `position` and looks along
    // `facing`, +Y up, in the engine's space.
    void placeListener(const irr::core::vector3df& position, const irr::core::vector3df& facing);

    // Lets go of the voices that have finished.
    void update();
    // Stops every sound and closes the device; the engine is deleted.
    void drop();

    size_t voiceCount() const { return _voices.size(); }

private:
    SoundEngine(ALCdevice* device, ALCcontext* context);
    ~SoundEngine();

    SoundSource* sourceFor(const char* file);
    Sound* start(SoundSource* source, bool positional, const irr::core::vector3df& position, bool looped,
                 bool startPaused, bool track);

    ALCdevice* _device;
    ALCcontext* _context;
    std::vector<std::unique_ptr<SoundSource>> _sources;
    std::vector<Sound*> _voices;

    // The engine open now, closed at exit if still open: the game may end with exit() from anywhere.
    static SoundEngine* _live;
    static bool _closeAtExitRegistered;
    static void closeAtExit();
};

// The game's sound engine; null when no sound device opened: every sound call is then skipped.
extern SoundEngine* GSound;
