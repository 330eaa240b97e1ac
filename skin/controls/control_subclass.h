#pragma once
// Taking a control over and giving it back: the skin's procedure goes in front of the
// control's own, and the control carries its index, its window's index and the replaced
// procedure as properties until it is destroyed.
#include <windows.h>

#include <vector>

#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"

namespace skin {

// Puts `procedure` in front of the control's own and sets "Hw_lbID" = index,
// "Hw_FuID" = windowIndex and "Hw_hProc"; returns the procedure it replaced.
WNDPROC subclassControl(HWND control, WNDPROC procedure, int windowIndex, int index);

// The procedure subclassControl replaced, from the control's "Hw_hProc".
WNDPROC previousProcedure(HWND control);

// The message handed to `previous`, or to the default procedure when there is none.
LRESULT callProcedure(WNDPROC previous, HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// The message handed to the control's own procedure.
LRESULT callPrevious(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Gives the control its own procedure back and removes every property the skin set on
// it, deleting the colour brush and its bitmap: a destroyed control leaves nothing.
// Returns the control's own procedure.
WNDPROC releaseControl(HWND control);

// The control's skinned window and entry in `entries` of that window's record, found
// through its properties; both null when the control is not (or no longer) listed.
template <typename Entry>
struct ControlLookup {
    SkinWindowRecord* window = nullptr;
    Entry* entry = nullptr;
    int index = 0;
};

template <typename Entry>
ControlLookup<Entry> lookUpControl(SkinEngine* engine, HWND control, std::vector<Entry> SkinWindowRecord::*entries) {
    if (!engine) return {};
    const int windowIndex = intProperty(control, prop::ownerIndex);
    const int index = intProperty(control, prop::index);
    if (windowIndex < 1 || windowIndex > engine->registry().size()) return {};
    SkinWindowRecord& window = engine->registry().at(windowIndex);
    std::vector<Entry>& list = window.*entries;
    if (index < 1 || index > static_cast<int>(list.size()) || list[index - 1].hwnd != control) return {};
    return {&window, &list[index - 1], index};
}

// The entry of a control that is going away is removed; the controls after it move
// down and carry their new index.
template <typename Entry>
void removeControlEntry(std::vector<Entry>& entries, HWND control) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].hwnd != control) continue;
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
        for (std::size_t later = i; later < entries.size(); ++later)
            setIntProperty(entries[later].hwnd, prop::index, static_cast<int>(later + 1));
        return;
    }
}

// The shape of a skinned control's procedure. Its end gives the control back before its
// own procedure sees WM_NCDESTROY; a control the skin no longer lists goes straight to
// its own procedure. Otherwise `instead` may answer in place of the control's own
// procedure, and `before` runs before it.
template <typename Entry, typename Instead, typename Before>
LRESULT runControlProcedure(std::vector<Entry> SkinWindowRecord::*entries, HWND control, UINT message, WPARAM wParam,
                            LPARAM lParam, Instead instead, Before before) {
    SkinEngine* engine = SkinEngine::current();
    const ControlLookup<Entry> found = lookUpControl(engine, control, entries);
    if (message == WM_NCDESTROY) {
        if (found.window) removeControlEntry((*found.window).*entries, control);
        return callProcedure(releaseControl(control), control, message, wParam, lParam);
    }
    if (!found.entry) return callPrevious(control, message, wParam, lParam);
    if (const auto result = instead(*engine, found)) return *result;
    before(*engine, found);
    return callPrevious(control, message, wParam, lParam);
}

}  // namespace skin
