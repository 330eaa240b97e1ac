#pragma once
// What every skinned control of the per-kind arrays shares: its entry is found through
// "Hw_FuID" and "Hw_lbID", its procedure is replaced and the previous one kept in
// "Hw_hProc", and at its end it leaves none of that behind.
#include <windows.h>

#include <optional>
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
    entries.emplace_back();
    entries.back().hwnd = control;
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

// A new entry in `entries` of the window `windowIndex` for `control`, which gets
// `procedure`; returns the entry.
template <typename Entry>
Entry& installControl(std::vector<Entry>& entries, int windowIndex, HWND control, WNDPROC procedure) {
    const int index = addEntry(entries, control);
    Entry& entry = entries[static_cast<size_t>(index - 1)];
    entry.previousProc = subclassControl(control, procedure, index, windowIndex);
    return entry;
}

inline WNDPROC previousProcOf(HWND control) {
    return reinterpret_cast<WNDPROC>(GetPropA(control, prop::previousProc));
}

// The message handed to `previous`, or to the default procedure when there is none.
LRESULT callProcedure(WNDPROC previous, HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Hands a message to the procedure the skin replaced.
inline LRESULT passToPrevious(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return callProcedure(previousProcOf(control), control, message, wParam, lParam);
}

// Asks for WM_MOUSELEAVE, which ends the control's hover look.
inline void trackMouseLeave(HWND control) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, 0};
    TrackMouseEvent(&track);
}

// The control's skinned window and its entry in `entries` of that window's record,
// found through its properties; all null and 0 when the control is not (or no longer)
// listed.
template <typename Entry>
struct ControlLookup {
    SkinWindowRecord* window = nullptr;
    Entry* entry = nullptr;
    int windowIndex = 0;
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
    return {&window, &list[index - 1], windowIndex, index};
}

// Gives the control its own procedure back and removes every property the skin set on
// it, deleting the colour brush and its bitmap: a destroyed control leaves nothing.
// Returns the control's own procedure.
WNDPROC releaseControl(HWND control);

// The shape of every skinned control's procedure. At WM_NCDESTROY the control is given
// back before its own procedure sees the message, and its entry is emptied in place:
// a later window with the same handle is not taken for it, and the other controls keep
// their indices (which the hot-tracking fields hold). A control the skin no longer
// lists goes straight to its own procedure. Otherwise `handle(engine, found)` may
// answer in place of the control's own procedure.
template <typename Entry, typename Handle>
LRESULT runControlProcedure(std::vector<Entry> SkinWindowRecord::*entries, HWND control, UINT message, WPARAM wParam,
                            LPARAM lParam, Handle handle) {
    SkinEngine* engine = SkinEngine::current();
    const ControlLookup<Entry> found = lookUpControl(engine, control, entries);
    if (message == WM_NCDESTROY) {
        if (found.entry) *found.entry = Entry{};
        return callProcedure(releaseControl(control), control, message, wParam, lParam);
    }
    if (!found.entry) return passToPrevious(control, message, wParam, lParam);
    if (const std::optional<LRESULT> answer = handle(*engine, found)) return *answer;
    return passToPrevious(control, message, wParam, lParam);
}

}  // namespace skin
