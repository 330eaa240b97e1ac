#include "skin/controls/control_subclass.h"

namespace skin {

WNDPROC subclassControl(HWND control, WNDPROC procedure, int windowIndex, int index) {
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    setIntProperty(control, prop::index, index);
    setIntProperty(control, prop::ownerIndex, windowIndex);
    SetPropA(control, prop::previousProc, reinterpret_cast<HANDLE>(previous));
    return previous;
}

WNDPROC previousProcedure(HWND control) {
    return reinterpret_cast<WNDPROC>(GetPropA(control, prop::previousProc));
}

LRESULT callProcedure(WNDPROC previous, HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return previous ? CallWindowProcA(previous, control, message, wParam, lParam)
                    : DefWindowProcA(control, message, wParam, lParam);
}

LRESULT callPrevious(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return callProcedure(previousProcedure(control), control, message, wParam, lParam);
}

WNDPROC releaseControl(HWND control) {
    const WNDPROC previous = previousProcedure(control);
    if (previous) SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    DeleteObject(RemovePropA(control, prop::colorBrush));
    DeleteObject(RemovePropA(control, prop::colorBrushBitmap));
    for (const char* name : {prop::index, prop::ownerIndex, prop::previousProc, prop::textColor})
        RemovePropA(control, name);
    return previous;
}

}  // namespace skin
