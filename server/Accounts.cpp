#include "Accounts.h"

#include <algorithm>
#include <stdexcept>

#include "Secrets.h"

namespace server {

void Accounts::RequireNew(const std::string& name) {
    auto allowed = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-' ||
               c == '@';
    };
    if (name.empty() || name.size() > 64 || !std::all_of(name.begin(), name.end(), allowed))
        throw std::runtime_error("\"" + name + "\" is not a user name: 1 to 64 letters, digits, \".\", \"_\", \"-\" or \"@\"");
    if (PasswordHash(name)) throw std::runtime_error("The user \"" + name + "\" exists already");
}

void Accounts::RequireKnown(const std::string& name) {
    if (!PasswordHash(name)) NoSuchUser(name);
}

void Accounts::NoSuchUser(const std::string& name) { throw std::runtime_error("There is no user \"" + name + "\""); }

void Accounts::CheckPassword(std::string_view password) {
    if (password.size() < kMinPasswordLength)
        throw std::runtime_error("A password has at least " + std::to_string(kMinPasswordLength) + " characters");
}

void Accounts::RequireOne(Statement& statement, const std::string& name) {
    if (!statement.Step()) NoSuchUser(name);
    statement.Reset();
}

void Accounts::Add(const std::string& name, const std::string& userType, std::string_view password) {
    RequireNew(name);
    if (userType.empty()) throw std::runtime_error("The user " + name + " needs a user type");
    CheckPassword(password);
    std::string hash = Secrets::HashPassword(password);
    Transaction transaction(store_.Db(), Access::Changes);
    RequireNew(name);  // still, after the hash's tenth of a second
    store_.Db().Prepare("INSERT INTO users(name, user_type, password_hash) VALUES(?, ?, ?)").Bind(1, name).Bind(2, userType).Bind(3, hash).Run();
    transaction.Commit();
}

void Accounts::SetPassword(const std::string& name, std::string_view password) {
    CheckPassword(password);
    std::string hash = Secrets::HashPassword(password);
    Transaction transaction(store_.Db(), Access::Changes);
    RequireOne(store_.Db().Prepare("UPDATE users SET password_hash = ? WHERE name = ? RETURNING name").Bind(1, hash).Bind(2, name), name);
    store_.Db().Prepare("DELETE FROM sessions WHERE user_name = ?").Bind(1, name).Run();
    transaction.Commit();
}

void Accounts::Remove(const std::string& name) {
    Transaction transaction(store_.Db(), Access::Changes);
    store_.Db().Prepare("DELETE FROM sessions WHERE user_name = ?").Bind(1, name).Run();
    RequireOne(store_.Db().Prepare("DELETE FROM users WHERE name = ? RETURNING name").Bind(1, name), name);
    transaction.Commit();
}

std::vector<Account> Accounts::List() {
    Transaction transaction(store_.Db(), Access::Reads);
    Statement& s = store_.Db().Prepare("SELECT name, user_type FROM users ORDER BY name");
    std::vector<Account> accounts;
    while (s.Step()) accounts.push_back({s.Text(0), s.Text(1)});
    transaction.Commit();
    return accounts;
}

std::optional<std::string> Accounts::PasswordHash(const std::string& name) {
    Statement& s = store_.Db().Prepare("SELECT password_hash FROM users WHERE name = ?").Bind(1, name);
    std::optional<std::string> hash;
    if (s.Step()) hash = s.Text(0);
    s.Reset();
    return hash;
}

void Accounts::AddSession(const std::string& tokenDigest, const std::string& name, int64_t now, int64_t expiresAt) {
    Transaction transaction(store_.Db(), Access::Changes);
    store_.Db().Prepare("DELETE FROM sessions WHERE expires_at < ?").Bind(1, now - kKeptEnded).Run();
    store_.Db().Prepare("INSERT INTO sessions(token_digest, user_name, expires_at) VALUES(?, ?, ?)")
        .Bind(1, tokenDigest).Bind(2, name).Bind(3, expiresAt).Run();
    transaction.Commit();
}

std::optional<Accounts::SessionEntry> Accounts::FindSession(const std::string& tokenDigest) {
    Transaction transaction(store_.Db(), Access::Reads);
    Statement& s = store_.Db().Prepare(
        "SELECT u.name, u.user_type, s.expires_at FROM sessions s JOIN users u ON u.name = s.user_name WHERE s.token_digest = ?");
    s.Bind(1, tokenDigest);
    std::optional<SessionEntry> entry;
    if (s.Step()) entry = SessionEntry{{s.Text(0), s.Text(1)}, s.Int(2)};
    transaction.Commit();
    return entry;
}

}  // namespace server
