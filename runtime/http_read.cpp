#include "runtime/http_read.h"

#include <windows.h>
#include <wininet.h>

#include <memory>

#include "runtime/html/address.h"

namespace rt {
namespace {

class NetHandle {
public:
    explicit NetHandle(HINTERNET handle) : handle_(handle) {}
    NetHandle(const NetHandle&) = delete;
    NetHandle& operator=(const NetHandle&) = delete;
    ~NetHandle() {
        if (handle_) InternetCloseHandle(handle_);
    }
    HINTERNET get() const { return handle_; }

private:
    HINTERNET handle_;
};

// What the fetching thread is given and leaves behind. Shared, because a caller that
// gives up at the deadline goes away before the thread does.
struct Fetch {
    std::string url;
    ULONGLONG deadline = 0;  // GetTickCount64 value
    unsigned limitMs = 0;
    bool ok = false;
    std::string body;
};

// Bounds each connect, send and receive; the handles made from the session inherit it.
void LimitEachWait(HINTERNET session, DWORD limitMs) {
    InternetSetOptionA(session, INTERNET_OPTION_CONNECT_TIMEOUT, &limitMs, sizeof limitMs);
    InternetSetOptionA(session, INTERNET_OPTION_SEND_TIMEOUT, &limitMs, sizeof limitMs);
    InternetSetOptionA(session, INTERNET_OPTION_RECEIVE_TIMEOUT, &limitMs, sizeof limitMs);
}

DWORD StatusCode(HINTERNET request) {
    DWORD status = 0, size = sizeof status;
    if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) return 0;
    return status;
}

// Stops at the deadline too, so a server that trickles its body cannot keep us reading.
bool ReadBody(HINTERNET request, ULONGLONG deadline, std::string& body) {
    char chunk[8192];
    for (;;) {
        if (GetTickCount64() > deadline) return false;
        DWORD got = 0;
        if (!InternetReadFile(request, chunk, sizeof chunk, &got)) return false;
        if (got == 0) return true;
        body.append(chunk, got);
    }
}

void Run(Fetch& fetch) {
    NetHandle session(InternetOpenA("LanzhouMemo", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session.get()) return;
    LimitEachWait(session.get(), fetch.limitMs);
    const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                        INTERNET_FLAG_NO_UI;
    NetHandle request(InternetOpenUrlA(session.get(), fetch.url.c_str(), nullptr, 0, flags, 0));
    if (!request.get() || StatusCode(request.get()) != 200) return;
    fetch.ok = ReadBody(request.get(), fetch.deadline, fetch.body);
}

DWORD WINAPI FetchThread(void* parameter) {
    std::unique_ptr<std::shared_ptr<Fetch>> fetch(static_cast<std::shared_ptr<Fetch>*>(parameter));
    Run(**fetch);
    return 0;
}

}  // namespace

bool HttpGet(const std::string& url, std::string& body, unsigned limitMs) {
    // WinINet would also open ftp: and file: addresses; only web addresses are wanted.
    if (!html::IsWebAddress(url)) return false;
    auto fetch = std::make_shared<Fetch>();
    fetch->url = url;
    fetch->deadline = GetTickCount64() + limitMs;
    fetch->limitMs = limitMs;
    // The fetch runs on a thread of its own because not every WinINet wait has a
    // time-out (the name lookup has none): at the deadline the caller leaves it behind.
    // The thread owns its handles and its share of the state, and ends by itself once
    // its own waits run out.
    auto* share = new std::shared_ptr<Fetch>(fetch);
    HANDLE thread = CreateThread(nullptr, 0, FetchThread, share, 0, nullptr);
    if (!thread) {
        delete share;
        return false;
    }
    DWORD waited = WaitForSingleObject(thread, limitMs);
    CloseHandle(thread);
    if (waited != WAIT_OBJECT_0 || !fetch->ok) return false;
    body = std::move(fetch->body);
    return true;
}

}  // namespace rt
