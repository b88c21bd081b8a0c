#include <gtest/gtest.h>

#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxcomm2/Icomm.h"
#include "components/noxrequestpars/XMLRequestPars.h"
#include "support/LoopbackServer.h"
#include "support/ScopedEmbeddedServer.h"
#include "support/ScopedProgId.h"
#include "support/ScriptedAnswers.h"
#include "support/TestWorld.h"

using namespace automation;
using components::XMLRequestPars;
using testsupport::ScopedEmbeddedServer;
using testsupport::ScopedProgId;
using testsupport::ScriptedAnswer;

namespace {

class XMLRequestParsTest : public ::testing::Test {
protected:
    testsupport::TestWorld world;
    testsupport::ScopedVariable url{components::ConnectionSettings::kUrlVariable, std::nullopt};
    ScopedProgId comm = ScopedProgId::Of<components::Icomm>("noxcomm2.Icomm");
};

// Each answer reduced to its result code and first message; a failed exchange says "Failed" and
// keeps the reason in LastError.
TEST_F(XMLRequestParsTest, SendRequestReducesEachAnswerAndKeepsTheLastFailure) {
    ScopedEmbeddedServer server(ScriptedAnswer);
    struct Case {
        const char* request;
        Variant resultCode, messages;
        bool answered;
        const char* lastError;
    } cases[] = {
        {"ok", Variant("OK"), Variant(), true, ""},
        {"failed", Variant("FAILED"), Variant("no such item"), true, ""},
        {"warning", Variant("Partial"), Variant("row 2 locked"), true, ""},
        {"warning, silent first method", Variant("OK"), Variant(), true, ""},
        {"throw", Variant("Failed"), Variant(""), false, "The embedded server failed: disk full"},
        {"ok", Variant("OK"), Variant(), true, "The embedded server failed: disk full"},
    };
    XMLRequestPars pars;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request);
        Variant resultCode, messages;
        EXPECT_EQ(pars.SendRequest(c.request, resultCode, messages), c.answered ? ScriptedAnswer(c.request) : "");
        EXPECT_EQ(resultCode, c.resultCode);
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(pars.LastError(), c.lastError);
    }
    EXPECT_EQ(CallOn(pars.Response(), "ResultCode").ToString(), "ok");
}

TEST_F(XMLRequestParsTest, OpenConnectsOverHttpOrSaysItCannot) {
    testsupport::LoopbackServer http([](const std::string&, const std::string& body) {
        return testsupport::LoopbackServer::Reply{200, ScriptedAnswer(body)};
    });
    XMLRequestPars pars;
    EXPECT_FALSE(pars.Open("127.0.0.1", testsupport::LoopbackServer::ClosedPort(), "nox"));
    EXPECT_EQ(pars.LastError(), "Unable to Create :noxcomm2.Icomm");
    ASSERT_TRUE(pars.Open("127.0.0.1", http.Port(), "nox"));
    EXPECT_EQ(pars.LastError(), "");
    Variant resultCode, messages;
    EXPECT_EQ(pars.SendRequest("failed", resultCode, messages), ScriptedAnswer("failed"));
    EXPECT_EQ(resultCode, Variant("FAILED"));
}

TEST_F(XMLRequestParsTest, WithoutAComponentNothingIsSentAndTheOutsStay) {
    ScopedProgId broken("noxcomm2.Icomm", []() -> DispatchPtr { throw AutomationError(429, "cannot"); });
    XMLRequestPars pars;
    Variant resultCode("before"), messages(int32_t{7});
    EXPECT_EQ(pars.SendRequest("ok", resultCode, messages), "");
    EXPECT_EQ(resultCode, Variant("before"));
    EXPECT_EQ(messages, Variant(int32_t{7}));
    EXPECT_EQ(pars.LastError(), "XMLRequestPars Not Initialized");
}

}  // namespace
