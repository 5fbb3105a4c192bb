// The game's sound engine over OpenAL: 2-D and positional playback, preloaded sources, voices.
#include "platform/SoundEngine.h"

#include <algorithm>
#include <cstdlib>

#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "platform/nativepath.h"

SoundEngine* GSound = nullptr;
SoundEngine* SoundEngine::_live = nullptr;
bool SoundEngine::_closeAtExitRegistered = false;

namespace {

// Forgets the game's engine; whoever opened it closes it.
const bool soundResetRegistered = registerReset([] { GSound = nullptr; });

}

void SoundEngine::closeAtExit()
{
    if (_live)
        _live->drop();
}

SoundEngine* SoundEngine::create()
{
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device)
        return nullptr;
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (!context || !alcMakeContextCurrent(context)) {
        if (context)
            alcDestroyContext(context);
        alcCloseDevice(device);
        return nullptr;
    }
    if (!_closeAtExitRegistered)
        _closeAtExitRegistered = std::atexit(closeAtExit) == 0;
    return new SoundEngine(device, context);
}

SoundEngine::SoundEngine(ALCdevice* device, ALCcontext* context) : _device(device), _context(context)
{
    _live = this;
}

SoundEngine::~SoundEngine()
{
    for (Sound* voice : _voices) {
        voice->release();
        voice->drop();
    }
    _voices.clear();
    _sources.clear();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(_context);
    alcCloseDevice(_device);
    if (_live == this)
        _live = nullptr;
}

void SoundEngine::drop()
{
    delete this;
}

SoundSource* SoundEngine::sourceFor(const char* file)
{
    std::string name = file ? file : "";
    for (const std::unique_ptr<SoundSource>& source : _sources)
        if (source->getName() == name)
            return source.get();
    _sources.push_back(std::make_unique<SoundSource>(name, nativePath(name)));
    return _sources.back().get();
}

SoundSource* SoundEngine::addSoundSourceFromFile(const char* file, bool preload)
{
    SoundSource* source = sourceFor(file);
    if (preload && !source->buffer(true)) {
        GLog.writelf((std::string("could not read sound ") + source->getName()).c_str());
        return nullptr;
    }
    return source;
}

Sound* SoundEngine::play2D(const char* file, bool looped, bool startPaused, bool track)
{
    return start(sourceFor(file), false, irr::core::vector3df(), looped, startPaused, track);
}

Sound* SoundEngine::play3D(const char* file, const irr::core::vector3df& position, bool looped,
                           bool startPaused, bool track)
{
    return start(sourceFor(file), true, position, looped, startPaused, track);
}

Sound* SoundEngine::play3D(SoundSource* source, const irr::core::vector3df& position, bool looped,
                           bool startPaused, bool track)
{
    if (!source)
        return nullptr;
    return start(source, true, position, looped, startPaused, track);
}

Sound* SoundEngine::start(SoundSource* source, bool positional, const irr::core::vector3df& position,
                          bool looped, bool startPaused, bool track)
{
    update();
    ALuint buffer = source->buffer(positional);
    if (!buffer) {
        GLog.writelf((std::string("could not play sound ") + source->getName()).c_str());
        return nullptr;
    }
    ALuint id = 0;
    alGetError();
    alGenSources(1, &id);
    if (alGetError() != AL_NO_ERROR)
        return nullptr;
    alSourcei(id, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcei(id, AL_LOOPING, looped ? AL_TRUE : AL_FALSE);
    alSourcei(id, AL_SOURCE_RELATIVE, positional ? AL_FALSE : AL_TRUE);
    // Irrlicht's space is left-handed and OpenAL's right-handed: z changes sign.
    alSource3f(id, AL_POSITION, position.X, position.Y, positional ? -position.Z : 0.0f);
    alSourcef(id, AL_REFERENCE_DISTANCE, source->getDefaultMinDistance());
    Sound* sound = new Sound(id);
    if (!startPaused)
        sound->setIsPaused(false);
    _voices.push_back(sound);
    if (!track && !startPaused)
        return nullptr;
    sound->grab();
    return sound;
}

void SoundEngine::placeListener(const irr::core::vector3df& position, const irr::core::vector3df& facing)
{
    alListener3f(AL_POSITION, position.X, position.Y, -position.Z);
    const ALfloat orientation[6] = {facing.X, facing.Y, -facing.Z, 0, 1, 0};
    alListenerfv(AL_ORIENTATION, orientation);
}

void SoundEngine::update()
{
    auto finished = std::stable_partition(_voices.begin(), _voices.end(),
                                          [](Sound* voice) { return !voice->isFinished(); });
    for (auto voice = finished; voice != _voices.end(); ++voice) {
        (*voice)->release();
        (*voice)->drop();
    }
    _voices.erase(finished, _voices.end());
}
