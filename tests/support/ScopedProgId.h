#pragma once
// Registers a creator under a ProgID for the life of the object; the registration it replaced, if
// any, comes back afterwards.
#include <string>

#include "automation/ObjectFactory.h"

namespace testsupport {

class ScopedProgId {
public:
    ScopedProgId(std::string progId, automation::ObjectFactory::Creator creator) : progId_(std::move(progId)) {
        automation::ObjectFactory::Instance().Register(progId_, std::move(creator));
    }
    template <class T>
    static ScopedProgId Of(std::string progId) {
        return ScopedProgId(std::move(progId), [] { return std::make_shared<T>(); });
    }
    ~ScopedProgId() {
        if (!progId_.empty()) automation::ObjectFactory::Instance().Unregister(progId_);
    }
    ScopedProgId(ScopedProgId&& other) noexcept : progId_(std::move(other.progId_)) { other.progId_.clear(); }
    ScopedProgId(const ScopedProgId&) = delete;
    ScopedProgId& operator=(const ScopedProgId&) = delete;

private:
    std::string progId_;
};

}  // namespace testsupport
