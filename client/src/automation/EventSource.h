#pragma once
// The events an object raises (its connection point). Sinks subscribe as callbacks, typed or
// generic, or as Dispatch objects called by event name; raising is synchronous, and by-reference
// arguments written by a sink are seen by the raiser.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "automation/Convert.h"

namespace automation {

class EventSource {
public:
    using Handler = std::function<void(std::string_view event, Arguments& args)>;

    explicit EventSource(std::vector<std::string> eventNames);

    // Every event reaches the handler. Returns a cookie for Disconnect.
    int Connect(Handler handler);
    // The sink's member named after each event is called; a sink without that member is skipped.
    int Connect(DispatchPtr sink);
    // One event, to a callable whose parameters are converted from the event's arguments.
    template <class F>
    int On(std::string_view event, F fn) {
        return OnTyped(std::string(event), std::function{fn});
    }
    void Disconnect(int cookie);

    void Raise(std::string_view event, Arguments& args);
    template <class... A>
    void Fire(std::string_view event, A&&... args) {
        Arguments list{Variant(std::forward<A>(args))...};
        Raise(event, list);
    }

    bool Declares(std::string_view event) const;
    const std::vector<std::string>& Names() const { return names_; }
    size_t SinkCount() const { return sinks_.size(); }

private:
    template <class... P>
    int OnTyped(std::string event, std::function<void(P...)> fn) {
        return Connect([event, fn](std::string_view raised, Arguments& args) {
            if (!SameName(raised, event)) return;
            CallConverted(fn, args, std::index_sequence_for<P...>{});
        });
    }
    template <class... P, size_t... I>
    static void CallConverted(const std::function<void(P...)>& fn, Arguments& args, std::index_sequence<I...>) {
        if (args.size() < sizeof...(P)) args.resize(sizeof...(P), Variant::Missing());
        fn(FromVariant<P>(args[I])...);
    }

    std::vector<std::string> names_;
    std::map<int, Handler> sinks_;
    int nextCookie_ = 1;
};

}  // namespace automation
