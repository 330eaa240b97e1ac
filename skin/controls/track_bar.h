#pragma once
// Skinned track bars: a soft plate, a thin channel, a round knob (a small dot until the
// mouse is over the control) and an accent line from the start of the channel to the
// knob. The control's own painting, ticks included, is never shown.
#include <windows.h>

#include <optional>

#include "gdiplus/geometry.h"
#include "skin/engine/control_entries.h"

namespace skin {

class SkinEngine;

// What the painter reads from a track bar. For a vertical one the channel rectangle is
// the one the control reports, laid out as if it were horizontal.
struct TrackBarReading {
    RECT channel{};
    RECT thumb{};
    float pos = 0, min = 0, max = 0;
    float selectionStart = 0, selectionEnd = 0;
};

struct TrackBarShapes {
    gdip::RectF channel;
    gdip::RectF knob;  // 11 x 11 while hovered, else 4 x 4
    std::optional<gdip::RectF> selection;
    gdip::RectF valueLine;
};

// Windows reports a vertical bar's channel laid out as if the bar were horizontal, Wine
// as it stands; the painter takes it the first way. A channel is longer than it is wide.
RECT channelAlongTheBar(const RECT& channel, bool vertical);

int tickModeOf(LONG style);
TrackBarShapes trackBarShapes(const TrackBarEntry& bar, const TrackBarReading& reading);

void PaintTrackBar(SkinEngine& engine, int windowIndex, int index);
LRESULT CALLBACK TrackBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
