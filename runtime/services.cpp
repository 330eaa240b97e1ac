#include "runtime/services.h"

#include <windows.h>
#include <shellapi.h>

#include "runtime/http_read.h"
#include "runtime/message_box.h"

namespace rt {
namespace {

class RealServices : public Services {
public:
    int messageBox(const std::string& text, unsigned flags, const std::string& caption) override {
        return ShowMessageBox(text, flags, caption);
    }
    void shellOpen(const std::string& target) override {
        ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    bool httpRead(const std::string& url, std::string& body) override { return HttpGet(url, body); }
    void endProgram(int exitCode) override {
        RunExitRoutine();
        ExitProcess(static_cast<UINT>(exitCode));
    }
    DateTime now() override { return LocalClock(); }
};

Services* replacementServices = nullptr;

struct ExitRoutine {
    void (*routine)() = nullptr;
    bool ran = false;
};

ExitRoutine& TheExitRoutine() {
    static ExitRoutine exitRoutine;
    return exitRoutine;
}

}  // namespace

Services& realServices() {
    static RealServices real;
    return real;
}

Services& services() { return replacementServices ? *replacementServices : realServices(); }

void useServices(Services* replacement) { replacementServices = replacement; }

int MessageBoxText(const std::string& text, unsigned flags, const std::string& caption) {
    return services().messageBox(text, flags, caption);
}

void ShellOpen(const std::string& target) { services().shellOpen(target); }

bool HttpReadFile(const std::string& url, std::string& body) { return services().httpRead(url, body); }

void EndProgram(int exitCode) { services().endProgram(exitCode); }

void RegisterExitRoutine(void (*routine)()) {
    TheExitRoutine() = ExitRoutine{routine, false};
}

void RunExitRoutine() {
    ExitRoutine& exitRoutine = TheExitRoutine();
    if (!exitRoutine.routine || exitRoutine.ran) return;
    exitRoutine.ran = true;
    exitRoutine.routine();
}

}  // namespace rt
