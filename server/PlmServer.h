#pragma once
// The reference PLM server: one entry point, a request document in and an answer document out.
// Runs every method of its catalogue against the store, each method in a transaction of its own;
// a method whose transaction met another server's changes runs again (up to kMaxAttempts times).
// Safe to call from several threads; requests are carried out one at a time.
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "MethodResult.h"
#include "MethodTable.h"
#include "Store.h"
#include "objdefs/ObjectDefinitions.h"

namespace server {

class PlmServer {
public:
    // The largest request text the server reads.
    static constexpr size_t kMaxRequestBytes = 4 * 1024 * 1024;

    // How often a method runs at most when its transactions meet other servers' changes.
    static constexpr int kMaxAttempts = 8;

    // The store at `storeLocation`: a SQLite file or a PostgreSQL URL (Store).
    PlmServer(std::shared_ptr<const objdefs::ObjectDefinitions> defs, const std::string& storeLocation);

    // Never throws: every failure becomes an answer with the code "ERROR" or "FAILED".
    std::string Handle(std::string_view request);

    const objdefs::ObjectDefinitions& Definitions() const { return *defs_; }
    // The store, for seeding and inspection; not while requests run on other threads.
    Store& GetStore() { return store_; }

private:
    struct Outcome {
        bool ok = false;
        MethodResult result;
    };
    std::string HandleLocked(std::string_view request);
    Outcome Execute(const MethodCall& call, bool nested);
    MethodResult RunInTransaction(const MethodTable::Method& method, const MethodCall& call);
    static void WaitBeforeAttempt(int attempt);

    std::shared_ptr<const objdefs::ObjectDefinitions> defs_;
    Store store_;
    std::mutex mutex_;
};

}  // namespace server
