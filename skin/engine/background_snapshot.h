#pragma once
// Skinned controls look transparent: before a control paints, it takes a copy of the
// piece of its window's back buffer that lies under it, draws on that copy and puts the
// result on the screen.
#include <windows.h>

namespace skin {

class SkinEngine;

// A memory DC holding the back buffer of the control's skinned window under `area`
// (in the control's own coordinates), listed in the engine's snapshot list until
// releaseSnapshot. Null when the control has no skinned window or the area is empty.
HDC snapshotBackground(SkinEngine& engine, HWND control, const RECT& area);

// Restores and frees a snapshot. 1 when released, 0 for a null DC or one that is not a
// listed snapshot.
int releaseSnapshot(SkinEngine& engine, HDC dc);

// A bitmap of the background under the control's client area with the engine's white
// veil laid over it, for the brush that answers WM_CTLCOLOR*; the caller deletes it. Null
// when the control has no skinned window.
HBITMAP controlBackgroundBitmap(SkinEngine& engine, HWND control);

// The answer to a control's WM_CTLCOLOR*: the text colour of its "Kj_Ztys", a transparent
// text background, and a pattern brush of controlBackgroundBitmap, kept with its bitmap in
// the control's "Kj_dxjb" and "Kj_wtjb" in place of the earlier pair, which is deleted.
LRESULT answerWithBackgroundBrush(SkinEngine& engine, HWND control, HDC dc);

// Deletes the brush and bitmap a WM_CTLCOLOR* answer left in the control's "Kj_dxjb" and
// "Kj_wtjb" and removes both properties. The stock hollow brush is the system's and stays.
void deleteColorBrush(HWND control);

}  // namespace skin
