#pragma once
// The process-wide registry of the embedded server: the in-process handler that answers request
// documents without a socket. A host registers the reference server here at start-up; the
// communication component's embedded transport calls it (from any thread, so the handler must be
// safe to call concurrently).
#include <functional>
#include <string>

namespace components {

class EmbeddedServer {
public:
    using Handler = std::function<std::string(const std::string& request)>;

    static void Register(Handler handler);
    static void Unregister();
    static bool IsRegistered();
    // The registered handler; raises "no embedded server is registered" when there is none.
    static Handler Current();
};

}  // namespace components
