// The every-third-frame rhythm of the collision sweep.
#pragma once

class CollisionCadence {
public:
    // Called once per frame; true on the frames whose sweep is due: the 4th, then every third.
    bool due();

private:
    int _counter = 3;
};
