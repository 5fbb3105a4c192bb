// A sound file kept decoded by the sound engine, for playing again and again (a weapon's shot).
#include "platform/SoundSource.h"

#include "platform/soundfile.h"

SoundSource::SoundSource(const std::string& name, const std::string& path) : _name(name), _path(path) {}

SoundSource::~SoundSource()
{
    for (ALuint buffer : _buffers)
        if (buffer)
            alDeleteBuffers(1, &buffer);
}

void SoundSource::setDefaultMinDistance(float minDistance)
{
    _minDistance = minDistance;
}

ALuint SoundSource::buffer(bool positional)
{
    int kind = positional ? 1 : 0;
    if (!_buffers[kind] && !_failed[kind]) {
        _buffers[kind] = loadSoundBuffer(_path, positional);
        _failed[kind] = _buffers[kind] == 0;
    }
    return _buffers[kind];
}
