// The bytes of a waypoint file written field by field, for tests that need a graph of their own.
#pragma once

#include <fstream>
#include <string>

#include <irrlicht.h>

class WpnBytes {
public:
    WpnBytes& u8(irr::u8 v) { return raw(&v, 1); }
    WpnBytes& u32(irr::u32 v) { return raw(&v, 4); }
    WpnBytes& f32(irr::f32 v) { return raw(&v, 4); }
    // A node record's head; its `tot` edges follow.
    WpnBytes& node(irr::u8 tot, irr::u32 identity, const irr::core::vector3df& p)
    {
        return u8(tot).u32(identity).f32(p.X).f32(p.Y).f32(p.Z);
    }
    WpnBytes& edge(irr::u32 target, irr::u32 cost) { return u32(target).u32(cost); }
    WpnBytes& cut(std::size_t size)
    {
        bytes.resize(size);
        return *this;
    }
    std::string writeTo(const std::string& path) const
    {
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string bytes;

private:
    WpnBytes& raw(const void* v, std::size_t n)
    {
        bytes.append(static_cast<const char*>(v), n);
        return *this;
    }
};
