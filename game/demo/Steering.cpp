// The angles of looking from one point at another, as the first-person camera counts them.
#include "demo/Steering.h"

#include <cmath>

bool ViewTurn::within(irr::f32 degrees) const
{
    return std::fabs(yaw) <= degrees && std::fabs(pitch) <= degrees;
}

irr::f32 Steering::wrap(irr::f32 degrees)
{
    irr::f32 a = std::fmod(degrees + 180.0f, 360.0f);
    if (a < 0)
        a += 360.0f;
    return a - 180.0f;
}

ViewTurn Steering::turnToward(const irr::core::vector3df& rotation, const irr::core::vector3df& eye,
                              const irr::core::vector3df& target)
{
    const irr::core::vector3df d = target - eye;
    const irr::f32 yaw = std::atan2(d.X, d.Z) * irr::core::RADTODEG;
    const irr::f32 pitch = std::atan2(-d.Y, std::sqrt(d.X * d.X + d.Z * d.Z)) * irr::core::RADTODEG;
    return {wrap(yaw - rotation.Y), wrap(pitch - rotation.X)};
}

ViewTurn Steering::turnLevelToward(const irr::core::vector3df& rotation, const irr::core::vector3df& eye,
                                   const irr::core::vector3df& target)
{
    irr::core::vector3df levelTarget = target;
    levelTarget.Y = eye.Y;
    return turnToward(rotation, eye, levelTarget);
}
