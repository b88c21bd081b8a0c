#include "components/noxcomm2/EmbeddedServer.h"

#include <mutex>

#include "automation/AutomationError.h"
#include "components/noxcomm2/CommErrors.h"

namespace components {

namespace {
std::mutex& Mutex() {
    static std::mutex mutex;
    return mutex;
}
EmbeddedServer::Handler& Slot() {
    static EmbeddedServer::Handler handler;
    return handler;
}
}  // namespace

void EmbeddedServer::Register(Handler handler) {
    std::lock_guard lock(Mutex());
    Slot() = std::move(handler);
}

void EmbeddedServer::Unregister() {
    std::lock_guard lock(Mutex());
    Slot() = nullptr;
}

bool EmbeddedServer::IsRegistered() {
    std::lock_guard lock(Mutex());
    return static_cast<bool>(Slot());
}

EmbeddedServer::Handler EmbeddedServer::Current() {
    std::lock_guard lock(Mutex());
    if (!Slot()) throw automation::AutomationError(commerrors::kNoEmbeddedServer, "no embedded server is registered");
    return Slot();
}

}  // namespace components
