// One-shot positional playback: started paused so that its distance is set before it is heard.
#include "world/oneShotSound.h"

#include "platform/SoundEngine.h"

void playOneShot(const irr::core::stringc& file, const irr::core::vector3df& position)
{
    if (!GSound || file.empty())
        return;
    Sound* sound = GSound->play3D(file.c_str(), position, false, true, false);
    if (!sound)
        return;
    sound->setMinDistance(1000.0f);
    sound->setIsPaused(false);
    sound->drop();
}
