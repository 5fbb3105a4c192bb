// Cutting the level mesh.
#include "world/levelSplit.h"

#include <map>

using irr::core::vector3df;
using irr::scene::IMeshBuffer;
using irr::scene::SMesh;
using irr::scene::SMeshBuffer;

namespace {

// Faces on a wall's line, or ending on it, do not reach into the room beyond.
const float Overlap = 0.5f;

using Rooms = std::vector<std::size_t>;

Rooms roomsReached(const RoomPlan& plan, const vector3df (&corners)[3])
{
    irr::core::aabbox3df extent(corners[0]);
    extent.addInternalPoint(corners[1]);
    extent.addInternalPoint(corners[2]);
    Rooms rooms;
    for (std::size_t i = 0; i < plan.rooms.size(); ++i) {
        const irr::core::aabbox3df& box = plan.rooms[i].box;
        if (extent.MinEdge.X < box.MaxEdge.X - Overlap && extent.MaxEdge.X > box.MinEdge.X + Overlap &&
            extent.MinEdge.Z < box.MaxEdge.Z - Overlap && extent.MaxEdge.Z > box.MinEdge.Z + Overlap)
            rooms.push_back(i);
    }
    return rooms;
}

// One buffer's share of a piece: its own copies of the vertices its triangles use.
class Share {
public:
    explicit Share(const IMeshBuffer& source) : _buffer(new SMeshBuffer()), _index(source.getVertexCount(), -1)
    {
        _buffer->Material = source.getMaterial();
    }
    Share(const Share&) = delete;
    Share& operator=(const Share&) = delete;
    ~Share() { _buffer->drop(); }

    void add(const irr::video::S3DVertex* vertices, const irr::u16* corners)
    {
        for (int k = 0; k < 3; ++k) {
            irr::s32& index = _index[corners[k]];
            if (index < 0) {
                index = static_cast<irr::s32>(_buffer->Vertices.size());
                _buffer->Vertices.push_back(vertices[corners[k]]);
            }
            _buffer->Indices.push_back(static_cast<irr::u16>(index));
        }
    }

    void moveTo(SMesh& piece)
    {
        _buffer->recalculateBoundingBox();
        _buffer->setHardwareMappingHint(irr::scene::EHM_STATIC);
        piece.addMeshBuffer(_buffer);
    }

private:
    SMeshBuffer* _buffer;
    std::vector<irr::s32> _index;
};

void splitBuffer(IMeshBuffer& source, const RoomPlan& plan, float scale, std::map<Rooms, SMesh*>& pieces)
{
    std::map<Rooms, Share> shares;
    const auto* vertices = static_cast<const irr::video::S3DVertex*>(source.getVertices());
    const irr::u16* indices = source.getIndices();
    for (irr::u32 i = 0; i + 2 < source.getIndexCount(); i += 3) {
        const vector3df corners[3] = {vertices[indices[i]].Pos * scale, vertices[indices[i + 1]].Pos * scale,
                                      vertices[indices[i + 2]].Pos * scale};
        shares.try_emplace(roomsReached(plan, corners), source).first->second.add(vertices, indices + i);
    }
    for (auto& [rooms, share] : shares) {
        SMesh*& piece = pieces[rooms];
        if (!piece)
            piece = new SMesh();
        share.moveTo(*piece);
    }
}

}  // namespace

std::vector<LevelPiece> splitByRoom(irr::scene::IMesh* mesh, const RoomPlan& plan, float scale)
{
    std::map<Rooms, SMesh*> pieces;
    for (irr::u32 b = 0; b < mesh->getMeshBufferCount(); ++b) {
        IMeshBuffer* buffer = mesh->getMeshBuffer(b);
        // A buffer of another layout is kept whole, among what is always drawn.
        if (buffer->getVertexType() == irr::video::EVT_STANDARD && buffer->getIndexType() == irr::video::EIT_16BIT) {
            splitBuffer(*buffer, plan, scale, pieces);
            continue;
        }
        SMesh*& always = pieces[Rooms()];
        if (!always)
            always = new SMesh();
        always->addMeshBuffer(buffer);
    }
    std::vector<LevelPiece> cut;
    for (auto& [rooms, piece] : pieces) {
        piece->recalculateBoundingBox();
        cut.push_back({piece, rooms});
    }
    return cut;
}
