#include "automation/ObjectFactory.h"

#include "automation/AutomationError.h"

namespace automation {

ObjectFactory& ObjectFactory::Instance() {
    static ObjectFactory factory;
    return factory;
}

void ObjectFactory::Register(std::string_view progId, Creator creator) {
    std::lock_guard lock(mutex_);
    Registration& registration = registrations_[FoldName(progId)];
    if (registration.progId.empty()) registration.progId = std::string(progId);
    registration.creators.push_back(std::move(creator));
}

void ObjectFactory::Unregister(std::string_view progId) {
    std::lock_guard lock(mutex_);
    auto it = registrations_.find(FoldName(progId));
    if (it == registrations_.end()) return;
    it->second.creators.pop_back();
    if (it->second.creators.empty()) registrations_.erase(it);
}

bool ObjectFactory::IsRegistered(std::string_view progId) const {
    std::lock_guard lock(mutex_);
    return registrations_.count(FoldName(progId)) > 0;
}

DispatchPtr ObjectFactory::Create(std::string_view progId) const {
    Creator creator;
    {
        std::lock_guard lock(mutex_);
        auto it = registrations_.find(FoldName(progId));
        if (it == registrations_.end())
            throw AutomationError(errors::kCannotCreateObject,
                                  AutomationError::StandardDescription(errors::kCannotCreateObject) + ": " +
                                      std::string(progId));
        creator = it->second.creators.back();
    }
    DispatchPtr object = creator();
    if (!object) Raise(errors::kCannotCreateObject);
    return object;
}

std::vector<std::string> ObjectFactory::ProgIds() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> ids;
    for (const auto& [key, registration] : registrations_) ids.push_back(registration.progId);
    return ids;
}

}  // namespace automation
