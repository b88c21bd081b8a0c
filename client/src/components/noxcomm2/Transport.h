#pragma once
// One way of carrying a request document to the server and its answer back. Exchange may run on
// any thread; a failure raises an automation error whose description says what went wrong.
#include <string>

namespace components {

class Transport {
public:
    virtual ~Transport() = default;
    virtual std::string Exchange(const std::string& request) const = 0;
    // Raises when the server cannot be reached; used when a connection is opened.
    virtual void Probe() const = 0;
    // "embedded" or the URL, for messages.
    virtual std::string Describe() const = 0;
    // Trades the user's password for a session whose token later exchanges carry; answers when the
    // session ends (UTC, "2026-03-05T14:30:00Z"), or "" where no login is needed.
    virtual std::string Login(const std::string& user, const std::string& password) const = 0;
};

}  // namespace components
