#pragma once
// Where the communication component sends requests when nobody opens a connection, who the user
// is, which certificate authorities vouch for an HTTPS server and where the session token is kept:
// read from the connection file in "CONNECTIONS_DIR", the URL overridable by the environment
// variable NOX_SERVER_URL (docs/formats.md, "Connection file").
#include <memory>
#include <string>

#include "components/noxcomm2/Transport.h"

namespace components {

struct ServerAddress {
    bool embedded = true;
    bool secure = false;  // https
    std::string host;
    int port = 0;
    std::string path;  // starts with "/"
};

class ConnectionSettings {
public:
    static constexpr const char* kFileName = "noxconn.xml";
    static constexpr const char* kUrlVariable = "NOX_SERVER_URL";
    static constexpr int kDefaultConnectTimeoutMs = 5000;
    static constexpr int kDefaultTimeoutMs = 60000;

    std::string url = "embedded";
    std::string user;     // empty: the login name
    std::string project;
    int connectTimeoutMs = kDefaultConnectTimeoutMs;
    int timeoutMs = kDefaultTimeoutMs;
    std::string caFile;     // PEM certificate authorities of an HTTPS server; empty: the system's
    std::string tokenFile;  // the session token's file; empty: requests carry no token

    // The user named in requests and logins: the connection's, else the login name.
    std::string UserName() const;

    // The connection file's default connection (none: the embedded server) with NOX_SERVER_URL
    // applied. A file that cannot be read or parsed raises an automation error naming it.
    static ConnectionSettings Load();
    static ConnectionSettings LoadFile(const std::string& path);
    static std::string DefaultFile();

    // "embedded" (any case), "http://host[:port][/path]" or "https://…"; anything else raises.
    static ServerAddress ParseUrl(const std::string& url);
    // The transport for an address with these settings' time-outs.
    std::shared_ptr<const Transport> MakeTransport(const ServerAddress& address) const;
    std::shared_ptr<const Transport> MakeTransport() const { return MakeTransport(ParseUrl(url)); }
};

}  // namespace components
