// The waypoint graph: reading and writing the ".wpn" file, the text dump, nearest waypoint, edge switches.
#include "world/Graph.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unordered_map>

#include "shell/fatal.h"
#include "world/lineOfSight.h"
#include "platform/StateReset.h"

Graph* GGraph = nullptr;

namespace {

const bool resetRegistered = registerReset([] { GGraph = nullptr; });

}

namespace {

const char* const Corrupt = "Arquivo de WayPoints corrompido!!!";
const std::size_t RecordHeadSize = 17;  // edge count, identity, x, y, z
const std::size_t MaxEdges = 255;       // the edge count is one byte

// Little-endian values read one after another; a value running past the end means a corrupt file.
class ByteReader {
public:
    explicit ByteReader(std::vector<char> bytes) : _bytes(std::move(bytes)) {}

    template <typename T>
    T take()
    {
        if (sizeof(T) > left())
            throw GameError(Corrupt);
        T value;
        std::memcpy(&value, _bytes.data() + _at, sizeof(T));
        _at += sizeof(T);
        return value;
    }
    std::size_t left() const { return _bytes.size() - _at; }

private:
    std::vector<char> _bytes;
    std::size_t _at = 0;
};

class ByteWriter {
public:
    template <typename T>
    void put(T value)
    {
        const char* raw = reinterpret_cast<const char*>(&value);
        _bytes.insert(_bytes.end(), raw, raw + sizeof(T));
    }
    const std::vector<char>& bytes() const { return _bytes; }

private:
    std::vector<char> _bytes;
};

// A node as read, before its edges' identity values are turned into node pointers.
struct Record {
    std::unique_ptr<Node> node;
    irr::u32 identity;
    std::vector<irr::u32> targets;  // parallel to node->edge
};

std::vector<char> fileBytes(std::ifstream& in)
{
    return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

Record readRecord(ByteReader& in)
{
    Record r{std::make_unique<Node>(), 0, {}};
    const irr::u8 tot = in.take<irr::u8>();
    r.identity = in.take<irr::u32>();
    r.node->pos.X = in.take<irr::f32>();
    r.node->pos.Y = in.take<irr::f32>();
    r.node->pos.Z = in.take<irr::f32>();
    for (int i = 0; i < tot; ++i) {
        r.targets.push_back(in.take<irr::u32>());
        r.node->addEdge({nullptr, in.take<irr::u32>()});
    }
    return r;
}

// The count is checked against the least room its records take before anything is reserved for it.
std::vector<Record> readRecords(ByteReader& in)
{
    const irr::u32 tamReal = in.take<irr::u32>();
    if (tamReal > in.left() / RecordHeadSize)
        throw GameError(Corrupt);
    std::vector<Record> records;
    records.reserve(tamReal);
    while (in.left() > 0)
        records.push_back(readRecord(in));
    if (records.size() != tamReal)
        throw GameError(Corrupt);
    return records;
}

// Each identity value names the first node that carries it; an edge naming no node is dropped.
void resolveEdges(std::vector<Record>& records)
{
    std::unordered_map<irr::u32, Node*> byIdentity;
    for (Record& r : records)
        byIdentity.emplace(r.identity, r.node.get());
    for (Record& r : records) {
        std::vector<Edge> resolved;
        for (std::size_t e = 0; e < r.targets.size(); ++e) {
            const auto target = byIdentity.find(r.targets[e]);
            if (target != byIdentity.end())
                resolved.push_back({target->second, r.node->edge[e].distancia});
        }
        r.node->edge = resolved;
    }
}

bool writeFile(const char* path, const char* mode, const std::vector<char>& bytes)
{
    std::FILE* file = std::fopen(path, mode);
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// Moves the first edge leading to `target` to the end of the other list.
void moveFirstEdge(std::vector<Edge>& from, std::vector<Edge>& to, const Node* target)
{
    for (auto e = from.begin(); e != from.end(); ++e)
        if (e->proximo == target) {
            to.push_back(*e);
            from.erase(e);
            return;
        }
}

}  // namespace

std::vector<Node*> Graph::load(const char* nome)
{
    _node.clear();
    std::ifstream in(nome, std::ios::binary);
    if (!in)
        return {};
    ByteReader bytes(fileBytes(in));
    std::vector<Record> records = readRecords(bytes);
    resolveEdges(records);
    for (Record& r : records) {
        _node.push_back(r.node.get());
        _made.push_back(std::move(r.node));
    }
    return _node;
}

// Identity values only need to differ within the file: a node is written as its place in the list,
// counted from 1. An edge to a node outside the list cannot be named and is left out.
bool Graph::saveBinary(const char* path) const
{
    std::unordered_map<const Node*, irr::u32> identity;
    for (std::size_t i = 0; i < _node.size(); ++i)
        identity.emplace(_node[i], static_cast<irr::u32>(i + 1));
    ByteWriter out;
    out.put(static_cast<irr::u32>(_node.size()));
    for (const Node* n : _node) {
        std::vector<Edge> named;
        for (const Edge& e : n->edge)
            if (identity.count(e.proximo))
                named.push_back(e);
        if (named.size() > MaxEdges)
            return false;
        out.put(static_cast<irr::u8>(named.size()));
        out.put(identity[n]);
        out.put(n->pos.X);
        out.put(n->pos.Y);
        out.put(n->pos.Z);
        for (const Edge& e : named) {
            out.put(identity[e.proximo]);
            out.put(e.distancia);
        }
    }
    return writeFile(path, "wb+", out.bytes());
}

bool Graph::saveTxt(const char* path) const
{
    std::FILE* file = std::fopen(path, "wt");
    if (!file)
        return false;
    std::fprintf(file, "%d\n", static_cast<int>(_node.size()));
    for (const Node* n : _node) {
        std::fprintf(file, "%d,", static_cast<int>(n->edge.size()));
        std::fprintf(file, "%p,", static_cast<const void*>(n));
        std::fprintf(file, "<%f,%f,%f>\n", n->pos.X, n->pos.Y, n->pos.Z);
        for (const Edge& e : n->edge)
            std::fprintf(file, "%p,%d\n", static_cast<const void*>(e.proximo), static_cast<int>(e.distancia));
    }
    return std::fclose(file) == 0;
}

// Rays cost far more than distances: nodes are tried nearest first, so the first one in sight is the
// answer and usually few rays are cast. The stable sort keeps list order among equal distances.
Node* Graph::getNearestNode(const irr::core::vector3df& v, irr::scene::ITriangleSelector* selector) const
{
    std::vector<std::pair<irr::f32, Node*>> byDistance;
    byDistance.reserve(_node.size());
    for (Node* n : _node)
        byDistance.push_back({v.getDistanceFrom(n->pos), n});
    std::stable_sort(byDistance.begin(), byDistance.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [distance, n] : byDistance)
        if (lineOfSight(v, n->pos, selector))
            return n;
    return nullptr;
}

void Graph::setEdgeState(Node* p1, Node* p2, bool estado, bool bidirecional)
{
    if (estado)
        moveFirstEdge(p1->edge, p1->edgeDesativo, p2);
    else
        moveFirstEdge(p1->edgeDesativo, p1->edge, p2);
    if (bidirecional)
        setEdgeState(p2, p1, estado, false);
}
