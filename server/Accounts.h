#pragma once
// The users of a store and their sessions (tables "users" and "sessions", on either backend).
// Passwords are kept only as Argon2id hashes; a session is kept only as the digest of its token,
// with the time it ends. Changing a user's password or removing the user ends their sessions.
// Each operation is a transaction of its own; the texts of the errors (std::runtime_error) are
// for the person at the command line.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Account.h"
#include "Store.h"

namespace server {

class Accounts {
public:
    // The shortest password accepted.
    static constexpr size_t kMinPasswordLength = 8;

    explicit Accounts(Store& store) : store_(store) {}

    // A new user. Raises for a name that is not valid or already taken, an empty user type, or a
    // password that is too short.
    void Add(const std::string& name, const std::string& userType, std::string_view password);
    void SetPassword(const std::string& name, std::string_view password);
    void Remove(const std::string& name);
    // Every user, by name.
    std::vector<Account> List();

    // The user's password hash; none for an unknown user.
    std::optional<std::string> PasswordHash(const std::string& name);
    // Records a session of the user from `now` until `expiresAt` (seconds since 1970), and drops the
    // sessions that ended more than a day ago (until then, their tokens are answered as expired).
    void AddSession(const std::string& tokenDigest, const std::string& name, int64_t now, int64_t expiresAt);
    struct SessionEntry {
        Account account;
        int64_t expiresAt = 0;
    };
    // The session a token digest names, with its user; none when there is no such session.
    std::optional<SessionEntry> FindSession(const std::string& tokenDigest);

    // Raises unless the name is a user name (1 to 64 letters, digits, ".", "_", "-" or "@") that no user has.
    void RequireNew(const std::string& name);
    // Raises unless a user has the name.
    void RequireKnown(const std::string& name);

private:
    static constexpr int64_t kKeptEnded = 24 * 3600;
    static void CheckPassword(std::string_view password);
    // Raises "no such user" when the statement changed no row.
    void RequireOne(Statement& statement, const std::string& name);
    [[noreturn]] static void NoSuchUser(const std::string& name);

    Store& store_;
};

}  // namespace server
