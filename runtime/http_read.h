#pragma once
#include <string>

namespace rt {

// The longest one read may take in all, in milliseconds, so that a silent server can
// never hold up the program's start.
constexpr unsigned kHttpTimeLimitMs = 10000;

// One GET of an http or https address, answered by the server and not by a cache. True
// with the body only for status 200; false, leaving body alone, on any failure and when
// the time limit passes.
bool HttpGet(const std::string& url, std::string& body, unsigned limitMs = kHttpTimeLimitMs);

}  // namespace rt
