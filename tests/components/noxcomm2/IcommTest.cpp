#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <future>
#include <map>
#include <thread>

#include "support/ErrorOf.h"
#include "automation/Apartment.h"
#include "components/noxcomm2/CommErrors.h"
#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxcomm2/Icomm.h"
#include "support/LoopbackServer.h"
#include "support/ScopedEmbeddedServer.h"
#include "support/TestWorld.h"

using namespace automation;
using components::ConnectionSettings;
using components::Icomm;
using testsupport::ErrorOf;
using testsupport::Raises;
using testsupport::LoopbackServer;
using testsupport::ScopedEmbeddedServer;
using ::testing::HasSubstr;
namespace commerrors = components::commerrors;

namespace {

std::string OkAnswer(const std::string& echo) {
    return "<Answer ResultCode=\"OK\"><MethodResponses><MethodResponse ResultCode=\"OK\"><Result><ECHO>" + echo +
           "</ECHO></Result></MethodResponse></MethodResponses></Answer>";
}

struct Delivery {
    int32_t id, hr;
    std::string errors, response;
    std::thread::id thread;
};

class IcommTest : public ::testing::Test {
protected:
    void SetUp() override {
        comm->Events()->On("RequestResult", [this](int32_t id, int32_t hr, std::string errors, std::string response) {
            deliveries.push_back({id, hr, errors, response, std::this_thread::get_id()});
        });
    }
    void WriteConnectionFile(const std::string& connection) {
        world.WriteFile("AppData/VARDEN/connections/noxconn.xml", "<CONNECTIONS>" + connection + "</CONNECTIONS>");
    }
    std::string ResponseXml() const { return comm->Response()->Get("xml").ToString(); }
    bool PumpFor(size_t count) {
        return Apartment::Current()->PumpUntil([&] { return deliveries.size() >= count; }, std::chrono::seconds(10));
    }

    testsupport::TestWorld world;
    testsupport::ScopedVariable url{ConnectionSettings::kUrlVariable, std::nullopt};
    std::shared_ptr<Icomm> comm = std::make_shared<Icomm>();
    std::vector<Delivery> deliveries;
};

}  // namespace

TEST_F(IcommTest, WithoutSettingsSendsToTheEmbeddedServerAndWithoutOneRaises) {
    EXPECT_EQ(ErrorOf([&] { comm->Send("<Request/>"); }).Description(), "no embedded server is registered");
    EXPECT_TRUE(Raises([&] { comm->Send("<Request/>"); }, commerrors::kNoEmbeddedServer));
    EXPECT_TRUE(Raises([&] { comm->Open("embedded", 0, ""); }, commerrors::kNoEmbeddedServer));
    EXPECT_EQ(comm->Response(), nullptr);

    ScopedEmbeddedServer server([](const std::string& request) { return OkAnswer(request); });
    EXPECT_EQ(comm->Server(), "embedded");
    EXPECT_TRUE(comm->Send("<Request/>"));
    EXPECT_THAT(ResponseXml(), HasSubstr("<ECHO><Request/></ECHO>"));
}

TEST_F(IcommTest, AsyncRequestsInFlightAreDeliveredOnTheOwningThreadInTheOrderTheyFinish) {
    std::map<std::string, std::promise<void>> gates;
    for (const char* name : {"first", "second", "third"}) gates[name];
    ScopedEmbeddedServer server([&](const std::string& request) {
        gates.at(request).get_future().wait();
        return OkAnswer(request);
    });
    for (const char* name : {"first", "second", "third"}) EXPECT_TRUE(comm->SendAsync(name));
    for (const char* name : {"third", "first", "second"}) {
        gates[name].set_value();
        ASSERT_TRUE(PumpFor(deliveries.size() + 1));
        EXPECT_THAT(deliveries.back().response, HasSubstr(std::string("<ECHO>") + name));
    }
    std::vector<int32_t> ids;
    for (const Delivery& d : deliveries) {
        ids.push_back(d.id);
        EXPECT_EQ(d.thread, std::this_thread::get_id());
        EXPECT_EQ(d.hr, 0);
        EXPECT_EQ(d.errors, "");
    }
    EXPECT_EQ(ids, (std::vector<int32_t>{3, 1, 2}));
    EXPECT_THAT(ResponseXml(), HasSubstr("<ECHO>second"));
}

TEST_F(IcommTest, AsyncFailuresArriveAsEventsWithTheirReason) {
    ScopedEmbeddedServer server([](const std::string& request) -> std::string {
        if (request == "throw") throw std::runtime_error("database locked");
        if (request == "garbage") return "Internal Server Error";
        return "<Answer ResultCode='FAILED'><Messages><Message><Description>no such item</Description></Message>"
               "</Messages></Answer>";
    });
    for (const char* request : {"throw", "garbage", "failed"}) {
        comm->SendAsync(request);
        ASSERT_TRUE(PumpFor(deliveries.size() + 1));
    }
    EXPECT_EQ(deliveries[0].hr, commerrors::kUnreachable);
    EXPECT_THAT(deliveries[0].errors, HasSubstr("database locked"));
    EXPECT_EQ(deliveries[1].hr, commerrors::kBadAnswer);
    EXPECT_THAT(deliveries[1].errors, HasSubstr("is not XML"));
    EXPECT_EQ(deliveries[1].response, "Internal Server Error");
    EXPECT_EQ(deliveries[2].hr, commerrors::kServerFailed);
    EXPECT_EQ(deliveries[2].errors, "no such item");
}

TEST_F(IcommTest, TalksHttpToALoopbackServerWhosePortMayComeInItsSixteenBitForm) {
    LoopbackServer server([](const std::string& path, const std::string& body) {
        if (body == "fail") return LoopbackServer::Reply{500, "boom"};
        return LoopbackServer::Reply{200, OkAnswer(path + ":" + body)};
    });
    EXPECT_TRUE(comm->Open("127.0.0.1", server.Port(), "nox/servlet"));
    EXPECT_EQ(comm->Server(), server.Url("/nox/servlet"));
    EXPECT_TRUE(comm->Send("hello"));
    EXPECT_THAT(ResponseXml(), HasSubstr("<ECHO>/nox/servlet:hello</ECHO>"));
    EXPECT_TRUE(Raises([&] { comm->Send("fail"); }, commerrors::kHttpStatus, "answered HTTP 500"));
    EXPECT_EQ(comm->Response(), nullptr);

    EXPECT_TRUE(comm->OpenAsync("127.0.0.1", server.Port() > 32767 ? server.Port() - 65536 : server.Port(), "/nox"));
    EXPECT_TRUE(Raises([&] { comm->Open("127.0.0.1", 70000, "/nox"); }, commerrors::kBadSettings));
    EXPECT_TRUE(Raises([&] { comm->Open("127.0.0.1", LoopbackServer::ClosedPort(), "/nox"); }, commerrors::kUnreachable,
                       "Cannot reach the server at http://127.0.0.1:"));
}

TEST_F(IcommTest, AServerThatDoesNotAnswerInTimeTimesOut) {
    LoopbackServer server([](const std::string&, const std::string&) {
        return LoopbackServer::Reply{200, OkAnswer("late"), std::chrono::milliseconds(1500)};
    });
    WriteConnectionFile("<CONNECTION NAME='slow' URL='" + server.Url("/nox") + "' TIMEOUT_MS='200'/>");
    comm->SendAsync("<Request/>");
    ASSERT_TRUE(PumpFor(1));
    EXPECT_EQ(deliveries[0].hr, commerrors::kTimedOut);
    EXPECT_THAT(deliveries[0].errors, HasSubstr("did not answer within 200 ms"));
}

TEST_F(IcommTest, TheEnvironmentOverridesTheConnectionFile) {
    LoopbackServer server([](const std::string&, const std::string&) { return LoopbackServer::Reply{200, OkAnswer("http")}; });
    ScopedEmbeddedServer embedded([](const std::string&) { return OkAnswer("embedded"); });
    WriteConnectionFile("<CONNECTION NAME='plant' URL='" + server.Url("/nox") + "'/>");
    {
        testsupport::ScopedVariable override(ConnectionSettings::kUrlVariable, "EMBEDDED");
        Icomm viaEnvironment;
        viaEnvironment.Send("x");
        EXPECT_THAT(viaEnvironment.Response()->Get("xml").ToString(), HasSubstr("embedded"));
    }
    comm->Send("x");
    EXPECT_THAT(ResponseXml(), HasSubstr("http"));
}

TEST(ConnectionSettings, ReadsTheDefaultConnectionAndRejectsBadOnes) {
    testsupport::TestWorld world;
    auto file = world.WriteFile("c.xml", R"(<CONNECTIONS DEFAULT="plant">
        <CONNECTION NAME="local" URL="embedded"/>
        <CONNECTION NAME="plant" URL="http://plm.example:8080/nox/servlet" USER="jdoe" PROJECT="P100"
                    CONNECT_TIMEOUT_MS="1000" TIMEOUT_MS="20000"/></CONNECTIONS>)");
    ConnectionSettings settings = ConnectionSettings::LoadFile(file.string());
    EXPECT_EQ(settings.url + " " + settings.user + " " + settings.project, "http://plm.example:8080/nox/servlet jdoe P100");
    EXPECT_EQ(settings.connectTimeoutMs, 1000);
    EXPECT_EQ(settings.timeoutMs, 20000);
    components::ServerAddress address = ConnectionSettings::ParseUrl("http://localhost");
    EXPECT_EQ(address.port, 80);
    EXPECT_EQ(address.path, "/");

    const std::pair<const char*, const char*> bad[] = {
        {"<CONNECTIONS><CONNECTION URL='ftp://x'/></CONNECTIONS>", "neither \"embedded\" nor an http:// or https:// address"},
        {"<CONNECTIONS><CONNECTION URL='http://x:99999/'/></CONNECTIONS>", "invalid port"},
        {"<CONNECTIONS><CONNECTION URL='http://:80/'/></CONNECTIONS>", "names no host"},
        {"<CONNECTIONS DEFAULT='x'><CONNECTION NAME='y'/></CONNECTIONS>", "'x' is not defined"},
        {"<CONNECTIONS><CONNECTION TIMEOUT_MS='0'/></CONNECTIONS>", "TIMEOUT_MS must be a positive"},
        {"<SETTINGS/>", "root element must be <CONNECTIONS>"},
        {"<CONNECTIONS>", "cannot be read"},
    };
    for (const auto& [content, says] : bad) {
        auto path = world.WriteFile("bad.xml", content);
        EXPECT_TRUE(Raises([&] { ConnectionSettings::LoadFile(path.string()); }, commerrors::kBadSettings, says)) << content;
    }
}
