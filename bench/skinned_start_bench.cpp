// Time from process start to the first paint of a window the size of the main window:
// skinned the way the program skins it (GDI+, engine, ApplySkin, full paint), against a
// bare Win32 window that fills itself with one brush. Each kind runs in a fresh process
// of this program, which hands its figure back as its exit code in microseconds.
//   skinned_start_bench.exe [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/skin_hookup.h"
#include "app/window_designs.h"

namespace {

double secondsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return (ticks(now) - ticks(created)) / 1e7;
}

LRESULT CALLBACK bareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND makeWindow(const char* className) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = bareProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    return CreateWindowExA(0, className, MainWindowDesign.caption.c_str(), WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU, 100,
                           100, MainWindowDesign.width, MainWindowDesign.height, nullptr, nullptr, wc.hInstance, nullptr);
}

// One run in this process: returns microseconds from process start to the first paint.
int runOnce(bool skinned) {
    if (skinned) {
        CreateSkinEngine();
        StartSkinEngine();
    }
    HWND window = makeWindow(skinned ? "BenchSkinned" : "BenchBare");
    if (skinned) ApplySkin(window);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);  // the first WM_PAINT has been handled when this returns
    const double seconds = secondsSinceProcessStart();
    DestroyWindow(window);
    if (skinned) DestroySkinEngine();
    return static_cast<int>(seconds * 1e6);
}

double childRun(const char* kind) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" " + kind;
    STARTUPINFOA start{sizeof start};
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code / 1000.0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "bare") return runOnce(false);
    if (argc > 1 && std::string(argv[1]) == "skinned") return runOnce(true);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::vector<double> bare, skinned;
    for (int i = 0; i < runs; ++i) {
        bare.push_back(childRun("bare"));
        skinned.push_back(childRun("skinned"));
    }
    const double b = median(bare), s = median(skinned);
    std::printf("process start to first paint, %dx%d, median of %d runs:\n", MainWindowDesign.width,
                MainWindowDesign.height, runs);
    std::printf("  bare Win32 window   %8.1f ms\n", b);
    std::printf("  skinned window      %8.1f ms   (%.2f x bare)\n", s, s / b);
    return 0;
}
