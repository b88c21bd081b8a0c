#pragma once
// Creates automation objects by ProgID (case-insensitive). Registrations stack: a host or a test
// may register a replacement and unregister it to restore what was there before.
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "automation/Dispatch.h"

namespace automation {

class ObjectFactory {
public:
    using Creator = std::function<DispatchPtr()>;

    static ObjectFactory& Instance();

    void Register(std::string_view progId, Creator creator);
    // Removes the newest registration of the ProgID, bringing back the one it replaced.
    void Unregister(std::string_view progId);
    bool IsRegistered(std::string_view progId) const;
    // An unknown ProgID raises 429.
    DispatchPtr Create(std::string_view progId) const;
    std::vector<std::string> ProgIds() const;

private:
    struct Registration {
        std::string progId;
        std::vector<Creator> creators;
    };
    mutable std::mutex mutex_;
    std::unordered_map<std::string, Registration> registrations_;
};

inline DispatchPtr CreateObject(std::string_view progId) { return ObjectFactory::Instance().Create(progId); }

// Registers a class under a ProgID with a default-constructing creator.
template <class T>
void RegisterClass(std::string_view progId) {
    ObjectFactory::Instance().Register(progId, [] { return std::make_shared<T>(); });
}

}  // namespace automation
