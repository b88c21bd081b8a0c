// The served server's doors: a login trades a password for a session token that every request
// carries, refusals are answer documents with HTTP 401/403, HTTPS with a certificate authority of
// the test's own, and the limit of connections served at once.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

#include <httplib.h>

#include "Accounts.h"
#include "HttpServer.h"
#include "PlmTestSupport.h"
#include "Secrets.h"
#include "support/TestCertificates.h"

using namespace plmtest;

namespace {

const std::string kQuery = QueryLinks("DOC", kD100B, {"FILE.FILE_ID"}, "DOC_FILE");
const KeyList kA100C = {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "C"}};

// The sample server over HTTP(S) on a free loopback port, with the users jdoe (DESIGNER), anna and
// jsmith (APPROVER; jsmith holds tasks), whose passwords are their names twice.
class ServedSample {
public:
    explicit ServedSample(server::HttpSettings settings = {}) : http_(sample_.Plm(), settings) {
        server::Accounts accounts(sample_.Plm().GetStore());
        accounts.Add("jdoe", "DESIGNER", "jdoejdoe");
        accounts.Add("anna", "APPROVER", "annaanna");
        accounts.Add("jsmith", "APPROVER", "jsmithjsmith");
        port_ = http_.Bind("127.0.0.1", 0);
        thread_ = std::thread([this] { http_.Run(); });
        while (!http_.Running()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ~ServedSample() {
        http_.Stop();
        thread_.join();
    }
    httplib::Client Client() const { return httplib::Client("127.0.0.1", port_); }
    int Port() const { return port_; }
    server::Accounts Accounts() { return server::Accounts(sample_.Plm().GetStore()); }

private:
    SampleServer sample_;
    server::HttpServer http_;
    int port_ = 0;
    std::thread thread_;
};

// The token of a login that must succeed.
std::string Login(httplib::Client client, const std::string& user, const std::string& password) {
    client.set_basic_auth(user, password);
    httplib::Result result = client.Post("/nox/request/login", "", "text/plain");
    EXPECT_TRUE(result && result->status == 200);
    pugi::xml_document answer;
    answer.load_string(result ? result->body.c_str() : "");
    return answer.select_node("//SESSION").node().attribute("TOKEN").value();
}

httplib::Result Post(httplib::Client client, const std::string& token, const std::string& request) {
    if (!token.empty()) client.set_bearer_token_auth(token);
    return client.Post("/nox/request", request, "text/xml");
}

void ExpectRefused(const httplib::Result& result, int status, const std::string& code, const std::string& text) {
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, status);
    Answer answer = ReadAnswer(result->body);
    EXPECT_EQ(answer.code, "ERROR");
    EXPECT_EQ(answer.messageCodes, std::vector<std::string>{code});
    EXPECT_EQ(answer.messages, std::vector<std::string>{text});
}

TEST(Login, TradesAPasswordForASessionTokenThatEveryRequestCarries) {
    ServedSample served;
    ExpectRefused(Post(served.Client(), "", kQuery), 401, "E-000111-NOT_AUTHENTICATED", "The request carries no session token; log in first");
    EXPECT_EQ(Post(served.Client(), "", kQuery)->get_header_value("WWW-Authenticate"), "Bearer realm=\"noxsimplelinks\"");
    for (const auto& [user, password] : {std::pair{"jdoe", "wrong-password"}, std::pair{"nobody", "jdoejdoe"}, std::pair{"jdoe", ""}}) {
        httplib::Client client = served.Client();
        client.set_basic_auth(user, password);
        ExpectRefused(client.Post("/nox/request/login", "", "text/plain"), 401, "E-000111-NOT_AUTHENTICATED", "Unknown user or wrong password");
    }
    ExpectRefused(served.Client().Post("/nox/request/login", "", "text/plain"), 401, "E-000111-NOT_AUTHENTICATED",
                  "The login carries no user name and password");

    std::string token = Login(served.Client(), "jdoe", "jdoejdoe");
    EXPECT_EQ(token.size(), 43u);
    httplib::Result answered = Post(served.Client(), token, kQuery);
    ASSERT_TRUE(answered);
    EXPECT_EQ(answered->status, 200);
    EXPECT_EQ(Column(ReadAnswer(answered->body).Only().rows, "FILE.FILE_ID"), "F1001,F1002,F1004");

    std::string forged = token;
    forged.back() = forged.back() == 'A' ? 'B' : 'A';
    ExpectRefused(Post(served.Client(), forged, kQuery), 401, "E-000111-NOT_AUTHENTICATED", "The session token is not valid; log in again");
}

TEST(Login, EndedSessionsAndThoseOfAChangedPasswordAreRefused) {
    ServedSample served;
    std::string ended = server::Secrets::NewToken();
    served.Accounts().AddSession(server::Secrets::TokenDigest(ended), "jdoe", 1700000000 - 3600, 1700000000);
    ExpectRefused(Post(served.Client(), ended, kQuery), 401, "E-000111-NOT_AUTHENTICATED",
                  "The session ended at 2023-11-14T22:13:20Z; log in again");

    std::string token = Login(served.Client(), "jdoe", "jdoejdoe");
    served.Accounts().SetPassword("jdoe", "a new password");
    ExpectRefused(Post(served.Client(), token, kQuery), 401, "E-000111-NOT_AUTHENTICATED", "The session token is not valid; log in again");
    EXPECT_FALSE(Login(served.Client(), "jdoe", "a new password").empty());
}

TEST(Login, TheSessionsUserMakesTheChangesWithTheRightsOfItsType) {
    ServedSample served;
    std::string jdoe = Login(served.Client(), "jdoe", "jdoejdoe");
    httplib::Result changed = Post(served.Client(), jdoe, Request("UpdateCollectionObjectsWC",
        "<OBJECTS>" + Obj("IN_OBJECT", "ITEM", {kA100C[0], kA100C[1], {"ITEM.DESCRIPTION", "quiet"}}) + "</OBJECTS>"));
    ASSERT_TRUE(changed);
    EXPECT_EQ(ReadAnswer(changed->body).code, "OK");
    ExpectRefused(Post(served.Client(), jdoe, StepResponse("10", kA100B, "APPROVE")), 403, "E-000112-OTHER_USER",
                  "The request names the user \"jsmith\" but comes from \"jdoe\"");
    std::string approve = Request("StepObjectResponse", "<OBJECTS>" + Obj("IN_OBJECT", "EO_USER_TASK", Step("EO_USER_TASK", "10")) +
                                                            Obj("IN_OBJECT1", "ITEM", kA100B) + "</OBJECTS>",
                                  "<PARAMS><RESPONSE>APPROVE</RESPONSE></PARAMS>");
    ExpectRefused(Post(served.Client(), jdoe, approve), 403, "E-000113-NO_RIGHT",
                  "The user jdoe (DESIGNER) has no right to APPROVE on ITEM A100/B in the status RELEASED");
    // The right alone is not enough: the step's task is jsmith's.
    httplib::Result refused = Post(served.Client(), Login(served.Client(), "anna", "annaanna"), approve);
    ASSERT_TRUE(refused);
    EXPECT_EQ(ReadAnswer(refused->body).code, "ERROR");
    EXPECT_NE(refused->body.find("E-009190-NO-USER-TASK: the user anna holds no task on step"), std::string::npos);
    httplib::Result approved = Post(served.Client(), Login(served.Client(), "jsmith", "jsmithjsmith"), approve);
    ASSERT_TRUE(approved);
    EXPECT_EQ(ReadAnswer(approved->body).code, "OK");
}

TEST(Https, ServesWithItsCertificateAndATrustingClientOnly) {
    TempFolder folder;
    testsupport::TestCertificates certificates(folder.Path(""));
    server::HttpSettings settings;
    settings.tlsCertificate = certificates.ServerCertificate();
    settings.tlsKey = certificates.ServerKey();
    ServedSample served(settings);
    httplib::SSLClient trusting("127.0.0.1", served.Port());
    trusting.set_ca_cert_path(certificates.CaFile());
    trusting.set_basic_auth("jdoe", "jdoejdoe");
    httplib::Result login = trusting.Post("/nox/request/login", "", "text/plain");
    ASSERT_TRUE(login) << httplib::to_string(login.error());
    EXPECT_EQ(login->status, 200);

    httplib::SSLClient doubting("127.0.0.1", served.Port());
    doubting.set_ca_cert_path(certificates.OtherCaFile());
    httplib::Result refused = doubting.Post("/nox/request/login", "", "text/plain");
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.error(), httplib::Error::SSLServerVerification);
    EXPECT_FALSE(served.Client().Post("/nox/request/login", "", "text/plain"));  // plain HTTP is not spoken
}

TEST(Https, NeedsAMatchingCertificateAndKey) {
    TempFolder folder;
    testsupport::TestCertificates certificates(folder.Path(""));
    SampleServer sample;
    server::HttpSettings settings;
    settings.tlsCertificate = certificates.CaFile();
    settings.tlsKey = certificates.ServerKey();
    EXPECT_THROW(server::HttpServer(sample.Plm(), settings), std::runtime_error);
    settings.tlsCertificate = folder.Path("missing.pem");
    EXPECT_THROW(server::HttpServer(sample.Plm(), settings), std::runtime_error);
}

TEST(Limits, AConnectionOverTheLimitIsAnsweredBusyAtOnce) {
    server::HttpSettings settings;
    settings.requireLogin = false;
    settings.maxConnections = 1;
    ServedSample served(settings);
    int idle = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(served.Port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(connect(idle, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the one connection served: says nothing
    ExpectRefused(Post(served.Client(), "", kQuery), 503, "E-000114-BUSY",
                  "The server serves at most 1 connection(s) at once, all in use; try again shortly");
    close(idle);
}

TEST(Limits, WithoutLoginTheServerListensOnLoopbackOnly) {
    SampleServer sample;
    server::HttpSettings settings;
    settings.requireLogin = false;
    server::HttpServer http(sample.Plm(), settings);
    try {
        http.Bind("0.0.0.0", 0);
        FAIL() << "bound without login on every address";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "A server without login listens on loopback only (127.0.0.1, ::1 or localhost), not on 0.0.0.0");
    }
}

}  // namespace
