#pragma once
// The runtime services whose effects reach outside the process, and the clock. The
// program always uses the real ones; a window-level test installs its own to answer
// message boxes and record shell opens instead of blocking on a dialog or starting a
// browser, and to set the day and time the program sees.
#include <string>

#include "runtime/datetime.h"

namespace rt {

class Services {
public:
    virtual ~Services() = default;
    // Task-modal message box without owner; returns the pressed button's id - 1.
    virtual int messageBox(const std::string& text, unsigned flags, const std::string& caption) = 0;
    // ShellExecuteA "open", no parameters, SW_SHOWNORMAL; not waited for.
    virtual void shellOpen(const std::string& target) = 0;
    // One GET bypassing the cache; true with the body only for status 200.
    virtual bool httpRead(const std::string& url, std::string& body) = 0;
    // Runs the registered exit routine, then ends the process.
    virtual void endProgram(int exitCode) = 0;
    // The current local date and time.
    virtual DateTime now() = 0;
};

// The services in force: the real ones unless a test installed others.
Services& services();
// Installs replacement services; nullptr puts the real ones back.
void useServices(Services* replacement);

// The real implementations, for tests that want to pass some calls through.
Services& realServices();

// Convenience wrappers over services().
int MessageBoxText(const std::string& text, unsigned flags = 0, const std::string& caption = "信息：");
void ShellOpen(const std::string& target);
bool HttpReadFile(const std::string& url, std::string& body);
void EndProgram(int exitCode);

// The exit routine the program registers at start; EndProgram and the normal end of
// the process run it once.
void RegisterExitRoutine(void (*routine)());
void RunExitRoutine();

}  // namespace rt
