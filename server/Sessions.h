#pragma once
// Logging in to a served server: a user's password is traded for a session token, which every
// request then carries until the session ends. Tokens are checked against the store's sessions, so
// that several servers on one store accept each other's sessions. Safe from several threads.
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "Account.h"

namespace server {

class PlmServer;

class Sessions {
public:
    // How long a session lasts unless told otherwise.
    static constexpr std::chrono::hours kDefaultLifetime{12};

    struct Session {
        std::string token;
        Account account;
        int64_t expiresAt = 0;  // seconds since 1970
    };

    Sessions(PlmServer& plm, std::chrono::seconds lifetime) : plm_(plm), lifetime_(lifetime) {}

    // A new session of the user. Raises MethodError (not authenticated) for an unknown user or a
    // wrong password, with one text for both.
    Session Login(const std::string& name, std::string_view password);
    // The user a token's session belongs to. Raises MethodError (not authenticated) for a token that
    // names no session (forged, or of a user removed or given a new password) or an ended one.
    Account Authenticate(std::string_view token);

    // The answer document of a login: the session as the client keeps it.
    static std::string Answer(const Session& session);

private:
    PlmServer& plm_;
    std::chrono::seconds lifetime_;
};

}  // namespace server
