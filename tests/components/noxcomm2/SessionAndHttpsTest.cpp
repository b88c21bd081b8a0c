// The communication component against a served server with login and HTTPS: the login keeps the
// session token in the connection's token file (its owner's only), every exchange carries it, the
// server's refusals arrive as answers, and a server whose certificate the connection's authorities
// do not vouch for is refused with an error that says so.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "components/noxcomm2/CommErrors.h"
#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxcomm2/Icomm.h"
#include "support/ErrorOf.h"
#include "support/LoopbackServer.h"
#include "support/TestCertificates.h"
#include "support/TestWorld.h"

using components::ConnectionSettings;
using components::Icomm;
using testsupport::LoopbackServer;
using testsupport::Raises;
using ::testing::HasSubstr;
namespace commerrors = components::commerrors;

namespace {

const std::string kToken = "Zk3m9Qw1xV0bR7tYc2LpN8dHs4JgE6aUo5iTf1qWzXy";

std::string Refusal(const std::string& text) {
    return "<Answer ResultCode=\"ERROR\"><Messages><Message Code=\"E-000111-NOT_AUTHENTICATED\"><Description>" + text +
           "</Description></Message></Messages><MethodResponses></MethodResponses></Answer>";
}

// A served server in miniature: a login with the password "secret-password" gets kToken, a request
// with kToken gets "OK", anything else a refusal with HTTP 401.
LoopbackServer::Handler ServedServer(const LoopbackServer*& self) {
    return [&self](const std::string& path, const std::string&) {
        if (path.ends_with("/login")) {
            if (self->LastAuthorization() != "Basic amRvZTpzZWNyZXQtcGFzc3dvcmQ=")  // jdoe:secret-password
                return LoopbackServer::Reply{401, Refusal("Unknown user or wrong password")};
            return LoopbackServer::Reply{200, "<Answer ResultCode=\"OK\"><MethodResponses><MethodResponse Name=\"Login\" ResultCode=\"OK\">"
                                              "<Result><SESSION USER=\"jdoe\" USER_TYPE=\"DESIGNER\" EXPIRES=\"2026-03-05T14:30:00Z\" TOKEN=\"" +
                                                  kToken + "\"/></Result></MethodResponse></MethodResponses></Answer>"};
        }
        if (self->LastAuthorization() != "Bearer " + kToken)
            return LoopbackServer::Reply{401, Refusal("The session token is not valid; log in again")};
        return LoopbackServer::Reply{200, "<Answer ResultCode=\"OK\"/>"};
    };
}

class SessionTest : public ::testing::Test {
protected:
    void Connect(const LoopbackServer& server, const std::string& more = {}) {
        world.WriteFile("AppData/VARDEN/connections/noxconn.xml", "<CONNECTIONS><CONNECTION URL='" + server.Url("/nox/request") +
                                                                      "' USER='jdoe' TOKEN_FILE='session/jdoe.token' " + more +
                                                                      "/></CONNECTIONS>");
    }
    std::filesystem::path TokenFile() const { return world.ProfileFolder() / "connections/session/jdoe.token"; }

    testsupport::TestWorld world;
    testsupport::ScopedVariable url{ConnectionSettings::kUrlVariable, std::nullopt};
    const LoopbackServer* self = nullptr;
};

TEST_F(SessionTest, ALoginKeepsTheTokenForItsOwnerAndEveryExchangeCarriesIt) {
    LoopbackServer server(ServedServer(self));
    self = &server;
    Connect(server);
    Icomm comm;
    EXPECT_TRUE(Raises([&] { comm.Send("<Request/>"); }, commerrors::kBadSettings, "does not exist; log in first"));
    EXPECT_TRUE(Raises([&] { comm.Login("wrong"); }, commerrors::kServerFailed, "Unknown user or wrong password"));
    EXPECT_EQ(comm.Login("secret-password"), "2026-03-05T14:30:00Z");
    struct stat info {};
    ASSERT_EQ(stat(TokenFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_TRUE(comm.Send("<Request/>"));
    EXPECT_EQ(server.LastAuthorization(), "Bearer " + kToken);
    EXPECT_EQ(comm.Response()->Get("ResultCode").ToString(), "OK");

    // A refusal is an answer the caller reads, as the server wrote it.
    world.WriteFile("AppData/VARDEN/connections/session/jdoe.token", "forged\n");
    chmod(TokenFile().c_str(), 0600);
    EXPECT_TRUE(comm.Send("<Request/>"));
    EXPECT_EQ(comm.Response()->Get("ResultCode").ToString(), "ERROR");
    EXPECT_THAT(comm.Response()->Get("xml").ToString(), HasSubstr("The session token is not valid; log in again"));

    chmod(TokenFile().c_str(), 0644);
    EXPECT_TRUE(Raises([&] { comm.Send("<Request/>"); }, commerrors::kBadSettings, "may be used by others (mode 0644)"));
}

TEST_F(SessionTest, TheEmbeddedServerNeedsNoLoginAndAConnectionWithoutTokenFileCannotKeepOne) {
    Icomm embedded;
    EXPECT_EQ(embedded.Login("anything"), "");
    LoopbackServer server(ServedServer(self));
    self = &server;
    world.WriteFile("AppData/VARDEN/connections/noxconn.xml", "<CONNECTIONS><CONNECTION URL='" + server.Url("/nox") + "'/></CONNECTIONS>");
    Icomm comm;
    EXPECT_TRUE(Raises([&] { comm.Login("secret-password"); }, commerrors::kBadSettings, "names no TOKEN_FILE"));
}

TEST_F(SessionTest, HttpsNeedsACertificateTheConnectionsAuthoritiesVouchFor) {
    testsupport::TestCertificates certificates(world.Root());
    LoopbackServer server(ServedServer(self), certificates.ServerCertificate(), certificates.ServerKey());
    self = &server;
    Connect(server, "CA_FILE='" + certificates.CaFile() + "'");
    Icomm trusting;
    EXPECT_EQ(trusting.Login("secret-password"), "2026-03-05T14:30:00Z");
    EXPECT_TRUE(trusting.Send("<Request/>"));
    EXPECT_EQ(trusting.Server(), server.Url("/nox/request"));

    Connect(server, "CA_FILE='" + certificates.OtherCaFile() + "'");
    Icomm doubting;
    EXPECT_TRUE(Raises([&] { doubting.Send("<Request/>"); }, commerrors::kUntrustedServer,
                       "The server at " + server.Url("/nox/request") + " is not trusted: its certificate is not signed by the certificate "
                       "authority of " + certificates.OtherCaFile() + ", or not made out to that host"));
    EXPECT_TRUE(Raises([&] { doubting.Open(server.Url("/nox/request"), 0, ""); }, commerrors::kUntrustedServer));

    Connect(server, "CA_FILE='missing.pem'");
    EXPECT_TRUE(Raises([] { ConnectionSettings::Load(); }, commerrors::kBadSettings, "missing.pem does not exist"));
}

}  // namespace
