// Hiding nodes for one frame.
#include "world/HiddenForAFrame.h"

HiddenForAFrame::HiddenForAFrame(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* smgr)
    : ISceneNode(parent, smgr)
{
}

void HiddenForAFrame::hide(irr::scene::ISceneNode* node)
{
    if (_hidden.empty())
        SceneManager->registerNodeForRendering(this, irr::scene::ESNRP_CAMERA);
    node->setVisible(false);
    _hidden.push_back(node);
}

void HiddenForAFrame::render()
{
    for (irr::scene::ISceneNode* node : _hidden)
        node->setVisible(true);
    _hidden.clear();
}
