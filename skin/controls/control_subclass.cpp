#include "skin/controls/control_subclass.h"

#include "skin/engine/background_snapshot.h"

namespace skin {

LRESULT callProcedure(WNDPROC previous, HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return previous ? CallWindowProcA(previous, control, message, wParam, lParam)
                    : DefWindowProcA(control, message, wParam, lParam);
}

WNDPROC releaseControl(HWND control) {
    const WNDPROC previous = previousProcOf(control);
    if (previous) SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    deleteColorBrush(control);
    for (const char* name : {prop::index, prop::ownerIndex, prop::previousProc, prop::textColor})
        RemovePropA(control, name);
    return previous;
}

}  // namespace skin
