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
};

}  // namespace components
