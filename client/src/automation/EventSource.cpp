#include "automation/EventSource.h"

namespace automation {

EventSource::EventSource(std::vector<std::string> eventNames) : names_(std::move(eventNames)) {}

int EventSource::Connect(Handler handler) {
    int cookie = nextCookie_++;
    sinks_.emplace(cookie, std::move(handler));
    return cookie;
}

int EventSource::Connect(DispatchPtr sink) {
    if (!sink) automation::Raise(errors::kObjectVariableNotSet);
    return Connect([sink](std::string_view event, Arguments& args) {
        if (sink->Describe(event).exists) sink->Invoke(event, InvokeKind::Method, args);
    });
}

void EventSource::Disconnect(int cookie) { sinks_.erase(cookie); }

void EventSource::Raise(std::string_view event, Arguments& args) {
    // A sink may disconnect itself or others while the event is delivered.
    std::vector<int> cookies;
    for (const auto& [cookie, handler] : sinks_) cookies.push_back(cookie);
    for (int cookie : cookies) {
        auto it = sinks_.find(cookie);
        if (it == sinks_.end()) continue;
        Handler handler = it->second;
        handler(event, args);
    }
}

bool EventSource::Declares(std::string_view event) const {
    for (const auto& name : names_)
        if (SameName(name, event)) return true;
    return false;
}

}  // namespace automation
