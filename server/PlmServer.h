#pragma once
// The reference PLM server: one entry point, a request document in and an answer document out.
// Runs every method of its catalogue against the store, each method in a transaction of its own;
// a method whose transaction met another server's changes runs again (up to kMaxAttempts times).
// For an authenticated caller every change needs its right in the rights table, and the user is
// the caller's. Safe to call from several threads; requests are carried out one at a time.
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "Caller.h"
#include "MethodResult.h"
#include "MethodTable.h"
#include "Store.h"
#include "objdefs/ObjectDefinitions.h"
#include "rights/RightsTable.h"

namespace server {

class PlmServer {
public:
    // The largest request text the server reads.
    static constexpr size_t kMaxRequestBytes = 4 * 1024 * 1024;

    // How often a method runs at most when its transactions meet other servers' changes.
    static constexpr int kMaxAttempts = 8;

    // An answer document and the HTTP status that goes with it: 200, or for a request refused as a
    // whole 403 (another user named, a change without its right) or 503 (the time limit).
    struct Reply {
        int status = 200;
        std::string answer;
    };

    // The store at `storeLocation`: a SQLite file or a PostgreSQL URL (Store).
    PlmServer(std::shared_ptr<const objdefs::ObjectDefinitions> defs, const std::string& storeLocation);

    // Never throws: every failure becomes an answer with the code "ERROR" or "FAILED".
    Reply Serve(std::string_view request, const Caller& caller);
    // A request of a trusted caller, without a time limit (the embedded server).
    std::string Handle(std::string_view request) { return Serve(request, {}).answer; }

    // The rights changes of authenticated callers are checked against; until set, everything is allowed.
    void UseRights(rights::RightsTable rights) { rights_ = std::move(rights); }

    const objdefs::ObjectDefinitions& Definitions() const { return *defs_; }
    // The store, for seeding and inspection; not while requests run on other threads.
    Store& GetStore() { return store_; }
    // Runs `work` with the store while no request runs (user and session look-ups).
    template <class Work>
    auto WithStore(Work work) {
        std::lock_guard<std::timed_mutex> lock(mutex_);
        return work(store_);
    }

private:
    struct Outcome {
        bool ok = false;
        MethodResult result;
    };
    Reply HandleLocked(std::string_view request, const Caller& caller);
    Outcome Execute(const MethodCall& call, bool nested, const Caller& caller);
    MethodResult RunInTransaction(const MethodTable::Method& method, const MethodCall& call, const Caller& caller);
    void RequireRight(const Account& account, const Right& right) const;
    static void WaitBeforeAttempt(int attempt);

    std::shared_ptr<const objdefs::ObjectDefinitions> defs_;
    Store store_;
    rights::RightsTable rights_ = rights::RightsTable::AllowEverything();
    std::timed_mutex mutex_;
};

}  // namespace server
