// One playing sound: a voice of the sound engine that the game may hold to pause, place or stop it.
#include "platform/Sound.h"

Sound::Sound(ALuint source) : _source(source) {}

Sound::~Sound()
{
    release();
}

void Sound::setPosition(const irr::core::vector3df& position)
{
    if (_source)
        alSource3f(_source, AL_POSITION, position.X, position.Y, -position.Z);
}

void Sound::setMinDistance(float minDistance)
{
    if (_source)
        alSourcef(_source, AL_REFERENCE_DISTANCE, minDistance);
}

void Sound::setIsPaused(bool paused)
{
    if (!_source || paused == _paused)
        return;
    _paused = paused;
    if (paused)
        alSourcePause(_source);
    else
        alSourcePlay(_source);
}

void Sound::setVolume(float volume)
{
    if (_source)
        alSourcef(_source, AL_GAIN, volume);
}

void Sound::stop()
{
    if (_source)
        alSourceStop(_source);
    _paused = false;
}

bool Sound::isFinished() const
{
    if (!_source)
        return true;
    ALint state = AL_STOPPED;
    alGetSourcei(_source, AL_SOURCE_STATE, &state);
    return state == AL_STOPPED;
}

void Sound::grab()
{
    ++_references;
}

void Sound::drop()
{
    if (--_references == 0)
        delete this;
}

void Sound::release()
{
    if (!_source)
        return;
    alSourceStop(_source);
    alDeleteSources(1, &_source);
    _source = 0;
}
