#include "gdiplus/library.h"

#include "gdiplus/flat_api.h"

namespace gdip {

namespace {

int lastStatusValue = Ok;

// gdiplus.dll, loaded on first use. It stays loaded until the process ends: the
// looked-up addresses are kept for the whole run and would dangle after an unload.
HMODULE library() {
    static const HMODULE module = LoadLibraryA("gdiplus.dll");
    return module;
}

template <typename Fn>
Fn lookUp(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(flat::resolve(name)));
}

}  // namespace

namespace flat {

FARPROC resolve(const char* name) {
    HMODULE module = library();
    return module ? GetProcAddress(module, name) : nullptr;
}

int record(int status) {
    lastStatusValue = status;
    return status;
}

}  // namespace flat

int lastStatus() { return lastStatusValue; }

ULONG_PTR startup() {
    static const auto start = lookUp<decltype(&Gdiplus::GdiplusStartup)>("GdiplusStartup");
    Gdiplus::GdiplusStartupInput input;  // version 1, no callback, nothing suppressed
    ULONG_PTR token = 0;
    if (!start) {
        flat::record(NotImplemented);
        return 0;
    }
    return flat::record(start(&token, &input, nullptr)) == Ok ? token : 0;
}

void shutdown(ULONG_PTR token) {
    static const auto stop = lookUp<decltype(&Gdiplus::GdiplusShutdown)>("GdiplusShutdown");
    if (token && stop) stop(token);
}

}  // namespace gdip
