#pragma once
// How a PLM server is served over HTTP: where, to whom, and within which limits.
#include <chrono>
#include <string>

#include "Sessions.h"

namespace server {

struct HttpSettings {
    // The path request documents are POSTed to; a login goes to this path + "/login".
    std::string path = "/nox/request";
    // Whether a request needs a session token; without, the user is the connection text's and the
    // server listens on loopback only.
    bool requireLogin = true;
    std::chrono::seconds sessionLifetime = Sessions::kDefaultLifetime;
    // Connections served at once; one more is answered "busy".
    size_t maxConnections = 32;
    // The time a request may take from its arrival to its answer.
    std::chrono::milliseconds timeLimit{30000};
    // Without login: the user of a request whose connection text names none ("anonymous" when empty).
    std::string user;
    // A certificate (chain) and its private key, PEM files: HTTPS instead of HTTP.
    std::string tlsCertificate, tlsKey;
};

}  // namespace server
