#pragma once
// Test double for the services that reach outside the process: answers message boxes
// from a queue, records shell opens and end-program calls, and serves HTTP from a
// table unless told to pass requests to the real client, and tells the time from its own
// clock, which stands still at the moment it was made until a test sets it. Installed
// for its lifetime.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "runtime/services.h"

struct FakeServices : rt::Services {
    struct Message {
        std::string text;
        unsigned flags;
        std::string caption;
    };
    std::vector<Message> messages;
    std::deque<int> answers;  // pressed button id - 1; OK (0) when empty
    std::vector<std::string> shellOpens;
    std::vector<int> endCalls;
    std::map<std::string, std::string> pages;  // address -> body served with status 200
    bool realHttp = false;
    rt::DateTime clock = rt::LocalClock();

    FakeServices() { rt::useServices(this); }
    ~FakeServices() override { rt::useServices(nullptr); }
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    int messageBox(const std::string& text, unsigned flags, const std::string& caption) override {
        messages.push_back({text, flags, caption});
        if (answers.empty()) return 0;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void shellOpen(const std::string& target) override { shellOpens.push_back(target); }
    bool httpRead(const std::string& url, std::string& body) override {
        if (realHttp) return rt::realServices().httpRead(url, body);
        auto page = pages.find(url);
        if (page == pages.end()) return false;
        body = page->second;
        return true;
    }
    void endProgram(int exitCode) override { endCalls.push_back(exitCode); }
    rt::DateTime now() override { return clock; }
};
