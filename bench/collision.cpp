// Cost of one proximity sweep over 1,000 registered objects, and of one first-hit ray test against the
// generated level.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "shell/Engine.h"
#include "support/NullDevice.h"
#include "world/Collidable.h"
#include "world/Map.h"

using irr::core::vector3df;
using Clock = std::chrono::steady_clock;

namespace {

class Crate : public Collidable {
public:
    Crate(irr::scene::IMeshSceneNode* node, irr::f32 range) : _node(node)
    {
        turnOnCollision(range, false, node);
    }
    void rcvMessage(int) override {}
    void gotShoot(int, vector3df, vector3df) override {}
    vector3df getPosition() override { return _node->getPosition(); }
    irr::scene::ISceneNode* getNode() override { return _node; }
    void collided(Collidable*) override { ++touches; }

    static long touches;

private:
    irr::scene::IMeshSceneNode* _node;
};

long Crate::touches = 0;

double microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

// Objects spread over the level's floor plan with the ranges the game uses, moving a little between
// sweeps as monsters and the player do, so every sweep sorts a registry that is nearly in order.
void benchSweep()
{
    openNullDevice();
    std::mt19937 random(17);
    std::uniform_real_distribution<float> x(-1100, 1450), z(-1250, 1150), y(0, 200), step(-5, 5);
    std::uniform_int_distribution<int> range(10, 100);
    std::vector<std::unique_ptr<Crate>> crates;
    for (int i = 0; i < 1000; ++i) {
        const vector3df at(x(random), y(random), z(random));
        irr::scene::IMeshSceneNode* node = GSmgr->addCubeSceneNode(10, nullptr, -1, at);
        crates.push_back(std::make_unique<Crate>(node, static_cast<irr::f32>(range(random))));
    }

    Clock::time_point start = Clock::now();
    updateCollision();
    const double first = microseconds(Clock::now() - start);

    const int sweeps = 2000;
    Clock::duration total{};
    for (int s = 0; s < sweeps; ++s) {
        for (auto& crate : crates)
            crate->getNode()->setPosition(crate->getPosition() + vector3df(step(random), 0, step(random)));
        start = Clock::now();
        updateCollision();
        total += Clock::now() - start;
    }
    std::printf("updateCollision, %zu objects: %.1f us per sweep (mean of %d, objects moving; first sweep "
                "from insertion order %.1f us; %.1f notifications per sweep); target under 1000 us\n",
                Gcolisao.size(), microseconds(total) / sweeps, sweeps, first,
                static_cast<double>(Crate::touches) / (sweeps + 1));
    crates.clear();
    closeNullDevice();
}

// Shots fired from the player's start in every direction of the horizontal plane and a little downward.
void benchRay(const std::filesystem::path& levelFolder)
{
    openNullDevice();
    Map* level = new Map();
    level->load3DSMap((levelFolder.string() + "/").c_str());
    GcurrentMap = level;
    GSmgr->getRootSceneNode()->OnAnimate(0);

    const vector3df eye(200, 100, -650);
    const int rays = 2000;
    int hits = 0;
    irr::core::vector3df point;
    irr::core::triangle3df triangle;
    const Clock::time_point start = Clock::now();
    for (int r = 0; r < rays; ++r) {
        const float angle = 2.0f * irr::core::PI * static_cast<float>(r) / rays;
        const vector3df direction(std::sin(angle), -0.1f * static_cast<float>(r % 5), std::cos(angle));
        if (getFirstCollision(irr::core::line3df(eye, eye + direction * 10000.0f), &point, &triangle))
            ++hits;
    }
    const double total = microseconds(Clock::now() - start);
    std::printf("getFirstCollision against %s (%u triangles): %.1f us per ray (mean of %d, %d hit)\n",
                (levelFolder / "map.3DS").c_str(), level->getSelector()->getTriangleCount(), total / rays,
                rays, hits);
    delete level;
    closeNullDevice();
}

}

int main()
{
    benchSweep();
    const std::filesystem::path levelFolder =
        std::filesystem::path(SATLINK_BUILD_DIR) / "media" / "OrvendMap";
    if (std::filesystem::exists(levelFolder / "map.3DS"))
        benchRay(levelFolder);
    else
        std::printf("getFirstCollision: level not generated (%s)\n", (levelFolder / "map.3DS").c_str());
    return 0;
}
