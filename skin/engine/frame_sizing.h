#pragma once
// Where a skinned window is sized from: bands `border` pixels deep along its edges that
// stop 10 pixels short of the corners, and 10 x 10 corners. The first zone in the order
// left, right, top, bottom edge, then top-left, top-right, bottom-left, bottom-right
// corner that holds the point wins.
#include <windows.h>

#include <optional>

namespace skin {

struct FrameZone {
    LPCSTR cursor;  // a system sizing cursor
    WPARAM command;  // SC_SIZE with the edge to size from
};

// The zone of the client point (x, y) in a client area `width` x `height`; none when
// the point lies in no band and no corner.
std::optional<FrameZone> frameZoneAt(int x, int y, int width, int height, int border);

}  // namespace skin
