#pragma once
// Answers a real message box as a user would, from a thread of its own: waits for a box
// with the caption among the windows of the thread that shows it (another test program
// may show a box with the same caption), then presses the button. When none comes in
// time it closes whatever box that thread shows, so that a missed box fails the test
// instead of blocking it until CTest gives up.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "own_window.h"

class MessageBoxAnswerer {
public:
    // onShown, when given, runs on the answering thread with the box up, before the press.
    MessageBoxAnswerer(std::string caption, int button, std::function<void(HWND box)> onShown = {}, DWORD waitMs = 5000)
        : caption_(std::move(caption)), button_(button), onShown_(std::move(onShown)), thread_(GetCurrentThreadId()),
          worker_([this, waitMs] { Answer(waitMs); }) {}
    ~MessageBoxAnswerer() {
        if (worker_.joinable()) worker_.join();
    }
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    // Waits for the answer; true when the box with the caption was found and answered.
    bool answered() {
        if (worker_.joinable()) worker_.join();
        return answered_;
    }

private:
    HWND Find(const char* caption) const { return FindThreadWindow(thread_, "#32770", caption); }

    void Answer(DWORD waitMs) {
        for (DWORD waited = 0; waited < waitMs; waited += 25) {
            if (HWND box = Find(caption_.c_str())) {
                answered_ = true;
                if (onShown_) onShown_(box);
                PostMessageA(box, WM_COMMAND, button_, 0);
                return;
            }
            Sleep(25);
        }
        // Gave up: end any box the thread shows, or wait a little longer for a late one.
        for (int tries = 0; tries < 200; ++tries) {
            if (HWND box = Find(nullptr)) {
                PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
                PostMessageA(box, WM_COMMAND, IDNO, 0);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(25);
        }
    }

    std::string caption_;
    int button_;
    std::function<void(HWND)> onShown_;
    DWORD thread_;
    bool answered_ = false;
    std::thread worker_;
};
