// The two MPEG-4 decoder instances (352 x 240 and 352 x 288) that a viewer
// keeps from its construction to its destruction; no picture goes through
// them.
#pragma once

namespace quenby
{

struct XvidInstances {
    XvidInstances();
    ~XvidInstances();
    XvidInstances(const XvidInstances&) = delete;
    XvidInstances& operator=(const XvidInstances&) = delete;

    void* ntsc = nullptr;
    void* pal = nullptr;
};

} // namespace quenby
