// A sound file kept decoded by the sound engine, for playing again and again (a weapon's shot).
#pragma once

#include <AL/al.h>
#include <string>

class SoundSource {
public:
    SoundSource(const std::string& name, const std::string& path);
    ~SoundSource();
    SoundSource(const SoundSource&) = delete;
    SoundSource& operator=(const SoundSource&) = delete;

    // Within this distance a sound played from this source is heard at full volume.
    void setDefaultMinDistance(float minDistance);
    float getDefaultMinDistance() const { return _minDistance; }

    // The name the game gave, as it gave it.
    const std::string& getName() const { return _name; }

    // The decoded samples, as placed in space (one channel) or as in the file; decoded on first
    // use, 0 when the file cannot be read.
    ALuint buffer(bool positional);

private:
    std::string _name;
    std::string _path;
    float _minDistance = 1.0f;
    ALuint _buffers[2] = {0, 0};
    bool _failed[2] = {false, false};
};
