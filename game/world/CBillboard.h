// The answer sign: a picture that pops up before the player's eyes for 750 ms with a sound.
#pragma once

#include <irrlicht.h>

#include "messaging/Interactive.h"

class CBillboard : public Interactive {
public:
    // `soundName` names a file of the media's sound folder. Every sign is 3 x 3 units whatever `size` says.
    CBillboard(const irr::core::stringc& texture, const irr::core::stringc& soundName,
               irr::core::vector2df size);
    CBillboard(const CBillboard&) = delete;
    CBillboard& operator=(const CBillboard&) = delete;

    // Shows the sign, plays its sound and asks the agenda to hide it 750 ms from now.
    void show();
    void hide();
    // Any message hides the sign; the agenda's is 0.
    void rcvMessage(int m) override;

    bool isShown() const { return bill->isVisible(); }

private:
    irr::scene::IBillboardSceneNode* bill;  // owned by the scene graph
    irr::core::stringc _sound;
};
