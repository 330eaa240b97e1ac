#pragma once
// Entry points of the GDI+ object layer that are not tied to one object: starting and
// stopping GDI+ and the status of the last flat call.
#include <windows.h>

namespace gdip {

// GpStatus values the layer's callers look at.
enum Status : int {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    InsufficientBuffer = 5,
    NotImplemented = 6,  // also: gdiplus.dll or the function could not be found
    Win32Error = 7,
    FileNotFound = 10,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
};

// The status of the last flat function called through the layer (0 when it succeeded).
int lastStatus();

// Starts GDI+ version 1 (no debug callback, background thread and external codecs
// allowed). Returns the token for shutdown, 0 when GDI+ did not start.
ULONG_PTR startup();
// Shuts GDI+ down; a token of 0 does nothing.
void shutdown(ULONG_PTR token);

// GDI+ started for as long as the object lives (tools and tests; the program keeps its
// token in the skin engine).
class Session {
public:
    Session() : token_(startup()) {}
    ~Session() { shutdown(token_); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    bool started() const { return token_ != 0; }

private:
    ULONG_PTR token_;
};

}  // namespace gdip
