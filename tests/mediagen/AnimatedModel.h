// Fixture of the tests of generated animated models: the model as the engine loads it, its vertices at
// any frame, and the measures the tests compare poses by.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <irrlicht.h>

#include "support/EngineTest.h"

class AnimatedModel : public EngineTest {
protected:
    void load(const std::string& file)
    {
        _mesh = GSmgr->getMesh((std::string(SATLINK_BUILD_DIR) + "/media/" + file).c_str());
        ASSERT_NE(_mesh, nullptr) << file;
    }

    std::vector<irr::core::vector3df> frame(int f)
    {
        irr::scene::IMesh* posed = _mesh->getMesh(f);
        std::vector<irr::core::vector3df> positions;
        for (irr::u32 b = 0; b < posed->getMeshBufferCount(); ++b) {
            irr::scene::IMeshBuffer* buffer = posed->getMeshBuffer(b);
            for (irr::u32 i = 0; i < buffer->getVertexCount(); ++i)
                positions.push_back(buffer->getPosition(i));
        }
        return positions;
    }

    static float meanDistance(const std::vector<irr::core::vector3df>& a, const std::vector<irr::core::vector3df>& b)
    {
        float sum = 0;
        for (std::size_t i = 0; i < a.size(); ++i)
            sum += a[i].getDistanceFrom(b[i]);
        return sum / static_cast<float>(a.size());
    }

    static float top(const std::vector<irr::core::vector3df>& positions)
    {
        float y = -1e9f;
        for (const irr::core::vector3df& p : positions)
            y = std::max(y, p.Y);
        return y;
    }

    // The farthest any loaded vertex lies from every vertex the generator meant: 0 when the engine poses
    // the model as the generator does, whatever order the vertices come in.
    static float worstMiss(const std::vector<irr::core::vector3df>& loaded, const std::vector<irr::core::vector3df>& expected)
    {
        float worst = 0;
        for (const irr::core::vector3df& p : loaded) {
            float nearest = 1e9f;
            for (const irr::core::vector3df& q : expected)
                nearest = std::min(nearest, p.getDistanceFrom(q));
            worst = std::max(worst, nearest);
        }
        return worst;
    }

    irr::scene::IAnimatedMesh* _mesh = nullptr;
};
