#pragma once
// Registers a scripted handler as the embedded server for the life of the object, and counts the
// requests it answers.
#include <atomic>
#include <string>

#include "components/noxcomm2/EmbeddedServer.h"

namespace testsupport {

class ScopedEmbeddedServer {
public:
    explicit ScopedEmbeddedServer(components::EmbeddedServer::Handler handler) {
        components::EmbeddedServer::Register([this, handler](const std::string& request) {
            ++requests_;
            return handler(request);
        });
    }
    ~ScopedEmbeddedServer() { components::EmbeddedServer::Unregister(); }
    ScopedEmbeddedServer(const ScopedEmbeddedServer&) = delete;
    ScopedEmbeddedServer& operator=(const ScopedEmbeddedServer&) = delete;

    int Requests() const { return requests_; }

private:
    std::atomic<int> requests_{0};
};

}  // namespace testsupport
