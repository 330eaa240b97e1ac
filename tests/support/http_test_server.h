#pragma once
// A small HTTP server on 127.0.0.1 that runs on a thread of the test process. It
// serves a fixed table of paths, each with a status, a body and an optional delay
// before the answer (kNeverAnswer holds the connection silent until the server stops),
// and keeps the head of every request it received. Unknown paths get 404.
//
// Include this header before <windows.h>: Winsock 2 must come first.
#include <winsock2.h>
#include <windows.h>

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class HttpTestServer {
public:
    struct Reply {
        int status = 200;
        std::string body;
        DWORD delayMs = 0;
    };
    static constexpr DWORD kNeverAnswer = INFINITE;

    explicit HttpTestServer(std::map<std::string, Reply> routes = {}) : routes_(std::move(routes)) {
        listener_ = OpenListener(port_);
        if (listener_ != INVALID_SOCKET) thread_ = std::thread([this] { Serve(); });
    }
    ~HttpTestServer() {
        SetEvent(stop_);
        closesocket(listener_);  // ends the blocking accept
        if (thread_.joinable()) thread_.join();
        CloseHandle(stop_);
    }
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    // Serves the path with this reply from now on.
    void serve(const std::string& path, int status, const std::string& body, DWORD delayMs = 0) {
        std::lock_guard<std::mutex> hold(lock_);
        routes_[path] = Reply{status, body, delayMs};
    }

    bool running() const { return thread_.joinable(); }
    unsigned short port() const { return port_; }
    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }

    // The head of every request received so far, in order.
    std::vector<std::string> requests() const {
        std::lock_guard<std::mutex> hold(lock_);
        return requests_;
    }

    // A port on 127.0.0.1 where nobody listens: connecting to it is refused.
    static unsigned short UnusedPort() {
        unsigned short port = 0;
        closesocket(OpenListener(port));
        return port;
    }

private:
    static void StartWinsock() {
        static bool started = [] {
            WSADATA data;
            return WSAStartup(MAKEWORD(2, 2), &data) == 0;
        }();
        (void)started;
    }

    // Listens on 127.0.0.1 at a port the system picks; gives that port.
    static SOCKET OpenListener(unsigned short& port) {
        StartWinsock();
        SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = 0x0100007F;  // 127.0.0.1 in network order
        int size = sizeof address;
        if (listener == INVALID_SOCKET || bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(listener, 8) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            closesocket(listener);
            return INVALID_SOCKET;
        }
        port = static_cast<unsigned short>((address.sin_port & 0xFF) << 8 | address.sin_port >> 8);
        return listener;
    }

    void Serve() {
        for (;;) {
            SOCKET client = accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) return;
            Answer(client);
            closesocket(client);
        }
    }

    void Answer(SOCKET client) {
        const std::string head = ReadHead(client);
        {
            std::lock_guard<std::mutex> hold(lock_);
            requests_.push_back(head);
        }
        const Reply reply = ReplyFor(head);
        if (WaitForSingleObject(stop_, reply.delayMs) == WAIT_OBJECT_0) return;
        const std::string text = "HTTP/1.1 " + std::to_string(reply.status) + (reply.status == 200 ? " OK" : " Other") +
                                 "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(reply.body.size()) +
                                 "\r\nConnection: close\r\n\r\n" + reply.body;
        for (size_t sent = 0; sent < text.size();) {
            int n = send(client, text.data() + sent, static_cast<int>(text.size() - sent), 0);
            if (n <= 0) return;
            sent += n;
        }
    }

    // Up to the blank line; a client that goes quiet is given up after five seconds.
    static std::string ReadHead(SOCKET client) {
        DWORD timeoutMs = 5000;
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs), sizeof timeoutMs);
        std::string head;
        char chunk[1024];
        while (head.find("\r\n\r\n") == std::string::npos) {
            int n = recv(client, chunk, sizeof chunk, 0);
            if (n <= 0) break;
            head.append(chunk, n);
        }
        return head;
    }

    // The path is the second word of the request line.
    Reply ReplyFor(const std::string& head) const {
        size_t start = head.find(' ') + 1;
        size_t end = head.find(' ', start);
        std::lock_guard<std::mutex> hold(lock_);
        auto route = routes_.find(head.substr(start, end - start));
        if (route != routes_.end()) return route->second;
        return Reply{404, "not found", 0};
    }

    std::map<std::string, Reply> routes_;
    HANDLE stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::thread thread_;
    mutable std::mutex lock_;
    std::vector<std::string> requests_;
};
