#include "Sessions.h"

#include <ctime>

#include "Accounts.h"
#include "AnswerWriter.h"
#include "MethodError.h"
#include "PlmServer.h"
#include "Secrets.h"
#include "XmlText.h"

namespace server {

namespace {

int64_t Now() {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// "2026-03-05T14:30:00Z".
std::string UtcText(int64_t seconds) {
    std::time_t time = static_cast<std::time_t>(seconds);
    std::tm utc{};
    gmtime_r(&time, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

[[noreturn]] void NotAuthenticated(const std::string& why) { throw MethodError(codes::kNotAuthenticated, why); }

}  // namespace

Sessions::Session Sessions::Login(const std::string& name, std::string_view password) {
    std::optional<std::string> hash = plm_.WithStore([&](Store& store) { return Accounts(store).PasswordHash(name); });
    // The hash is checked outside the store's lock: it takes a tenth of a second on purpose.
    if (!hash) Secrets::CheckNoPassword(password);
    if (!hash || !Secrets::PasswordMatches(*hash, password)) NotAuthenticated("Unknown user or wrong password");
    Session session{Secrets::NewToken(), {}, Now() + lifetime_.count()};
    std::string digest = Secrets::TokenDigest(session.token);
    std::optional<Accounts::SessionEntry> entry = plm_.WithStore([&](Store& store) {
        Accounts accounts(store);
        if (accounts.PasswordHash(name) != hash) return std::optional<Accounts::SessionEntry>();  // changed meanwhile
        accounts.AddSession(digest, name, Now(), session.expiresAt);
        return accounts.FindSession(digest);
    });
    if (!entry) NotAuthenticated("Unknown user or wrong password");
    session.account = entry->account;
    return session;
}

Account Sessions::Authenticate(std::string_view token) {
    std::optional<Accounts::SessionEntry> entry =
        plm_.WithStore([&](Store& store) { return Accounts(store).FindSession(Secrets::TokenDigest(token)); });
    if (!entry) NotAuthenticated("The session token is not valid; log in again");
    if (entry->expiresAt <= Now()) NotAuthenticated("The session ended at " + UtcText(entry->expiresAt) + "; log in again");
    return entry->account;
}

std::string Sessions::Answer(const Session& session) {
    AnswerWriter answer;
    answer.AddMethodResponse("Login", "OK", {},
                             "<SESSION USER=\"" + Escaped(session.account.name) + "\" USER_TYPE=\"" + Escaped(session.account.userType) +
                                 "\" EXPIRES=\"" + UtcText(session.expiresAt) + "\" TOKEN=\"" + session.token + "\"/>");
    return answer.Finish("OK", {});
}

}  // namespace server
