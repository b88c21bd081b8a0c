#pragma once
// Who sends a request to the server, and how long it may take.
#include <chrono>
#include <optional>
#include <string>

#include "Account.h"

namespace server {

struct Caller {
    // The authenticated user: the user of every method, with the rights of its user type. None: a
    // caller trusted to name its user in the connection text (the embedded server, "serve --no-auth").
    const Account* account = nullptr;
    // The time the request may take from its arrival, waiting for the requests before it included;
    // none: no limit.
    std::optional<std::chrono::milliseconds> timeLimit;
    // The user of a trusted caller's request that names none; empty: "anonymous".
    std::string user = {};
};

}  // namespace server
