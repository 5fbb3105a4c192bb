// Reads and checks the waypoint file: a count, then per waypoint its edge count, identity, position
// and edges (target identity, cost), little-endian.
#include "level/waypointFile.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

namespace {

class Bytes {
public:
    Bytes(const std::vector<std::uint8_t>& bytes, const std::string& path) : bytes_(bytes), path_(path) {}

    template <typename T>
    T take()
    {
        if (bytes_.size() - at_ < sizeof(T))
            fail("a waypoint record is cut short");
        T value;
        std::memcpy(&value, bytes_.data() + at_, sizeof(T));
        at_ += sizeof(T);
        return value;
    }
    bool atEnd() const { return at_ == bytes_.size(); }
    [[noreturn]] void fail(const std::string& why) const { throw std::runtime_error("waypoint file " + path_ + ": " + why); }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::string path_;
    std::size_t at_ = 0;
};

}  // namespace

WaypointFile checkWaypointFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("waypoint file " + path + ": cannot be read");
    WaypointFile file;
    file.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    Bytes bytes(file.bytes, path);
    const std::uint32_t count = bytes.take<std::uint32_t>();
    std::map<std::uint32_t, std::size_t> byIdentity;
    std::vector<std::vector<std::uint32_t>> targets;
    while (!bytes.atEnd()) {
        WaypointFile::Point p;
        const std::uint8_t tot = bytes.take<std::uint8_t>();
        if (!byIdentity.emplace(bytes.take<std::uint32_t>(), file.points.size()).second)
            bytes.fail("two waypoints share an identity");
        p.x = bytes.take<float>();
        p.y = bytes.take<float>();
        p.z = bytes.take<float>();
        targets.emplace_back();
        for (int e = 0; e < tot; ++e) {
            targets.back().push_back(bytes.take<std::uint32_t>());
            p.edges.push_back({0, bytes.take<std::uint32_t>()});
        }
        file.points.push_back(p);
    }
    if (file.points.size() != count)
        bytes.fail("the header counts " + std::to_string(count) + " waypoints, the file holds " +
                   std::to_string(file.points.size()));
    for (std::size_t i = 0; i < file.points.size(); ++i)
        for (std::size_t e = 0; e < targets[i].size(); ++e) {
            const auto to = byIdentity.find(targets[i][e]);
            if (to == byIdentity.end())
                bytes.fail("an edge leads to no waypoint of the file");
            file.points[i].edges[e].first = to->second;
        }
    return file;
}
