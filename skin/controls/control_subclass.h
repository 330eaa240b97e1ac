#pragma once
// What every skinned control of the per-kind arrays shares: its entry is found through
// "Hw_FuID" and "Hw_lbID", its procedure is replaced and the previous one kept in
// "Hw_hProc", and at its end it leaves none of that behind.
#include <windows.h>

#include <vector>

#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"

namespace skin {

// The 1-based index of `control` in `entries`; 0 when it is not there.
template <typename Entry>
int entryIndexOf(const std::vector<Entry>& entries, HWND control) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].hwnd == control) return static_cast<int>(i + 1);
    return 0;
}

// A new entry for `control` at the end of `entries` (a single empty entry is reused);
// returns its 1-based index.
template <typename Entry>
int addEntry(std::vector<Entry>& entries, HWND control) {
    if (entries.size() == 1 && !entries[0].hwnd) entries.clear();
    Entry entry;
    entry.hwnd = control;
    entries.push_back(entry);
    return static_cast<int>(entries.size());
}

// Gives the control `procedure`, numbers it and returns the procedure it had.
inline WNDPROC subclassControl(HWND control, WNDPROC procedure, int index, int windowIndex) {
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    setIntProperty(control, prop::index, index);
    setIntProperty(control, prop::ownerIndex, windowIndex);
    SetPropA(control, prop::previousProc, reinterpret_cast<HANDLE>(previous));
    return previous;
}

inline WNDPROC previousProcOf(HWND control) {
    return reinterpret_cast<WNDPROC>(GetPropA(control, prop::previousProc));
}

// Hands a message to the procedure the skin replaced.
inline LRESULT passToPrevious(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = previousProcOf(control);
    return previous ? CallWindowProcA(previous, control, message, wParam, lParam)
                    : DefWindowProcA(control, message, wParam, lParam);
}

// Asks for WM_MOUSELEAVE, which ends the control's hover look.
inline void trackMouseLeave(HWND control) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, 0};
    TrackMouseEvent(&track);
}

// The record of the window the control was installed for, and its entry, when the
// control's properties still name them; null otherwise.
template <typename Entry>
struct ControlSlot {
    SkinWindowRecord* record = nullptr;
    Entry* entry = nullptr;
    int windowIndex = 0;
    int index = 0;
};

template <typename Entry>
ControlSlot<Entry> findControlSlot(SkinEngine* engine, HWND control,
                                   std::vector<Entry> SkinWindowRecord::*entries) {
    ControlSlot<Entry> slot;
    if (!engine) return slot;
    const int windowIndex = intProperty(control, prop::ownerIndex);
    const int index = intProperty(control, prop::index);
    if (windowIndex < 1 || windowIndex > engine->registry().size()) return slot;
    SkinWindowRecord& record = engine->registry().at(windowIndex);
    std::vector<Entry>& list = record.*entries;
    if (index < 1 || index > static_cast<int>(list.size()) || list[index - 1].hwnd != control) return slot;
    return {&record, &list[index - 1], windowIndex, index};
}

// At WM_NCDESTROY: the control gets its own procedure back and loses the skin's
// properties; its entry no longer names it, so a later window with the same handle is
// not taken for it. Returns what the previous procedure answers.
template <typename Entry>
LRESULT endSkinnedControl(Entry* entry, HWND control, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = previousProcOf(control);
    if (entry) entry->hwnd = nullptr;
    for (const char* name : {prop::index, prop::ownerIndex, prop::previousProc}) RemovePropA(control, name);
    if (!previous) return DefWindowProcA(control, WM_NCDESTROY, wParam, lParam);
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    return CallWindowProcA(previous, control, WM_NCDESTROY, wParam, lParam);
}

// The message handed to `previous`, or to the default procedure when there is none.
LRESULT callProcedure(WNDPROC previous, HWND control, UINT message, WPARAM wParam, LPARAM lParam);

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
    if (!found.entry) return passToPrevious(control, message, wParam, lParam);
    if (const auto result = instead(*engine, found)) return *result;
    before(*engine, found);
    return passToPrevious(control, message, wParam, lParam);
}

}  // namespace skin
