#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "automation/Apartment.h"
#include "automation/ObjectFactory.h"
#include "components/noxcomm2/CommErrors.h"
#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxcomm2/Icomm.h"
#include "noxsimplelinks/comm/clsCommWrapper2.h"
#include "noxsimplelinks/comm/clsCommWrapperAsync.h"
#include "support/LoopbackServer.h"
#include "support/ScopedEmbeddedServer.h"
#include "support/ScriptedAnswers.h"
#include "support/TestWorld.h"

using namespace automation;
using noxsimplelinks::clsCommWrapper2;
using noxsimplelinks::clsCommWrapperAsync;
using testsupport::ScopedEmbeddedServer;
using testsupport::ScriptedAnswer;
using ::testing::HasSubstr;
namespace commerrors = components::commerrors;

namespace {

constexpr int32_t kUnableToCreate = -2147221503;
constexpr int32_t kNotInitialized = -2147221494;

// What a host gets back from SendRequest called by name.
struct Sent {
    Variant answer, resultCode, messages;
};

Sent SendByName(Dispatch& wrapper, const std::string& request, Variant code = Variant(), Variant messages = Variant()) {
    Arguments args{Variant(request), code, messages};
    Variant answer = wrapper.Invoke("SendRequest", InvokeKind::Method, args);
    return {answer, args[1], args[2]};
}

// The last failure recorded, as "number description (source)".
std::string LastError(Dispatch& wrapper) {
    Variant record = wrapper.Get("LastCommError");
    return std::to_string(CallOn(record, "Number").ToLong()) + " " + CallOn(record, "Description").ToString() + " (" +
           CallOn(record, "Source").ToString() + ")";
}

class CommWrapperTest : public ::testing::Test {
protected:
    void SetUp() override { ObjectFactory::Instance().Register("noxcomm2.Icomm", [] { return std::make_shared<components::Icomm>(); }); }
    void TearDown() override { ObjectFactory::Instance().Unregister("noxcomm2.Icomm"); }

    testsupport::TestWorld world;
    testsupport::ScopedVariable url{components::ConnectionSettings::kUrlVariable, std::nullopt};
};

}  // namespace

// Each answer reduced to its result and messages; failures are recorded, not raised, and a later
// success leaves the last one in place.
TEST_F(CommWrapperTest, SendRequestReducesEachAnswerAndRecordsFailures) {
    ScopedEmbeddedServer server(ScriptedAnswer);
    const std::string unreachable = std::to_string(commerrors::kUnreachable) + " The embedded server failed: disk full (Icomm)";
    const std::string badAnswer = std::to_string(commerrors::kBadAnswer) + " ";
    struct Case {
        const char* request;
        Variant resultCode, messages;
        bool answered;
        std::string lastError;  // how it starts
    } cases[] = {
        {"ok", Variant("OK"), Variant(), true, "0  ()"},
        {"failed", Variant("FAILED"), Variant("no such item"), true, "0  ()"},
        {"warning", Variant("Partial"), Variant("row 2 locked"), true, "0  ()"},
        {"warning, silent first method", Variant("OK"), Variant(), true, "0  ()"},
        {"throw", Variant("Failed"), Variant(""), false, unreachable},
        {"not xml", Variant("Failed"), Variant(""), false, badAnswer},
        {"ok", Variant("OK"), Variant(), true, badAnswer},
    };
    for (DispatchPtr wrapper : {DispatchPtr(std::make_shared<clsCommWrapper2>()), DispatchPtr(std::make_shared<clsCommWrapperAsync>())}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.request) + " via " + wrapper->TypeName());
            Sent sent = SendByName(*wrapper, c.request);
            EXPECT_EQ(sent.resultCode, c.resultCode);
            EXPECT_EQ(sent.messages, c.messages);
            EXPECT_EQ(sent.answer, Variant(c.answered ? ScriptedAnswer(c.request) : ""));
            EXPECT_THAT(LastError(*wrapper), testing::StartsWith(c.lastError));
        }
        EXPECT_THAT(LastError(*wrapper), HasSubstr("Service Unavailable"));
    }
}

TEST_F(CommWrapperTest, WithoutAComponentSendRequestSaysNotInitializedAndLeavesTheOutsAlone) {
    ObjectFactory::Instance().Register("noxcomm2.Icomm", []() -> DispatchPtr { throw AutomationError(429, "cannot"); });
    clsCommWrapper2 wrapper;
    clsCommWrapperAsync async;
    ObjectFactory::Instance().Unregister("noxcomm2.Icomm");
    for (Dispatch* w : {static_cast<Dispatch*>(&wrapper), static_cast<Dispatch*>(&async)}) {
        Sent sent = SendByName(*w, "ok", Variant("before"), Variant(int32_t{7}));
        EXPECT_EQ(sent.answer, Variant(""));
        EXPECT_EQ(sent.resultCode, Variant("before"));
        EXPECT_EQ(sent.messages, Variant(int32_t{7}));
        EXPECT_EQ(LastError(*w), std::to_string(kNotInitialized) + " CommWrapper2 Not Initialized (clsCommWrapper2.SendRequest)");
        EXPECT_THROW(w->Call("SendRequest2", "ok"), AutomationError);  // no handling of its own: 91
    }
}

TEST_F(CommWrapperTest, InitOpensOverHttpOrTheEmbeddedServerOrRecordsUnableToCreate) {
    testsupport::LoopbackServer http([](const std::string& path, const std::string& body) {
        return testsupport::LoopbackServer::Reply{200, path == "/nox/servlet" ? ScriptedAnswer(body) : "wrong path"};
    });
    auto port = [](int number) { return int16_t(number > 32767 ? number - 65536 : number); };
    for (DispatchPtr wrapper :
         {DispatchPtr(std::make_shared<clsCommWrapper2>()), DispatchPtr(std::make_shared<clsCommWrapperAsync>())}) {
        EXPECT_FALSE(wrapper->Call("Init", "127.0.0.1", port(testsupport::LoopbackServer::ClosedPort()), "nox", "X").ToBool());
        EXPECT_EQ(LastError(*wrapper), std::to_string(kUnableToCreate) + " Unable to Create :X (clsCommWrapper2.Init)");
        ASSERT_TRUE(wrapper->Call("Init", "127.0.0.1", port(http.Port()), "nox/servlet", "noxcomm2.Icomm").ToBool());
        EXPECT_EQ(LastError(*wrapper), "0  ()");
        EXPECT_EQ(wrapper->Get("Server").ToString(), http.Url("/nox/servlet"));
        EXPECT_EQ(SendByName(*wrapper, "failed").answer, Variant(ScriptedAnswer("failed")));
        EXPECT_EQ(CallOn(CallOn(wrapper->Get("Response"), "Messages"), "Count").ToLong(), 2);
        EXPECT_TRUE(wrapper->Call("SendRequest2", "ok").ToBool());
        EXPECT_EQ(CallOn(wrapper->Get("Response"), "ResultCode").ToString(), "ok");
        ScopedEmbeddedServer server(ScriptedAnswer);
        EXPECT_TRUE(wrapper->Call("Init", "embedded", int16_t{0}, Variant(), "X").ToBool());
        EXPECT_EQ(wrapper->Get("Server").ToString(), "embedded");
    }
}

TEST_F(CommWrapperTest, RequestResultIsPassedOnUntouchedEvenWithErrors) {
    ScopedEmbeddedServer server(ScriptedAnswer);
    auto wrapper = std::make_shared<clsCommWrapperAsync>();
    std::vector<Arguments> raised;
    wrapper->Events()->Connect([&](std::string_view event, Arguments& args) {
        EXPECT_EQ(event, "RequestResult");
        raised.push_back(args);
    });
    EXPECT_TRUE(wrapper->SendAsyncRequest("throw"));
    EXPECT_TRUE(wrapper->SendAsyncRequest("ok"));
    ASSERT_TRUE(Apartment::Current()->PumpUntil([&] { return raised.size() == 2; }, std::chrono::seconds(10)));
    std::sort(raised.begin(), raised.end(), [](auto& a, auto& b) { return a[0].ToLong() < b[0].ToLong(); });
    EXPECT_EQ(raised[0], (Arguments{Variant(int32_t{1}), Variant(commerrors::kUnreachable),
                                    Variant("The embedded server failed: disk full"), Variant("")}));
    EXPECT_EQ(raised[1], (Arguments{Variant(int32_t{2}), Variant(int32_t{0}), Variant(""), Variant(ScriptedAnswer("ok"))}));
}
