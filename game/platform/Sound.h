// One playing sound: a voice of the sound engine that the game may hold to pause, place or stop it.
#pragma once

#include <AL/al.h>
#include <irrlicht.h>

class Sound {
public:
    // Takes over an OpenAL source that has not played yet; the sound waits, paused, until
    // setIsPaused(false). The creator holds the first reference.
    explicit Sound(ALuint source);
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    void setMinDistance(float minDistance);
    // Moves a positional sound, in the engine's space.
    void setPosition(const irr::core::vector3df& position);
    void setIsPaused(bool paused = true);
    bool getIsPaused() const { return _paused; }
    void setVolume(float volume);
    void stop();
    bool isFinished() const;

    void grab();
    // Gives up one reference; the last one deletes the sound.
    void drop();
    // Frees the OpenAL source; later calls on this sound do nothing.
    void release();

private:
    ~Sound();

    ALuint _source;
    bool _paused = true;
    int _references = 1;
};
