// The served server as a process: an answered change survives a kill, SIGTERM stops it cleanly,
// and 8 clients with mixed queries and changes lose nothing. The concurrency test runs for
// NOX_CONCURRENCY_SECONDS (2 s unless set; 10 for the full run).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "PlmTestSupport.h"
#include "ServeProcess.h"

using namespace plmtest;

namespace {

const std::vector<std::pair<std::string, std::string>> kA100C = {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "C"}};

std::string UpdateDescription(const std::string& text) {
    return Request("UpdateCollectionObjectsWC",
                   "<OBJECTS>" + Obj("IN_OBJECT", "ITEM", {kA100C[0], kA100C[1], {"ITEM.DESCRIPTION", text}}) + "</OBJECTS>");
}

std::string Description(server::PlmServer& plm) {
    server::Statement& s = plm.GetStore().Db().Prepare(
        "SELECT json_extract(attrs, '$.DESCRIPTION') FROM objects WHERE type = 'ITEM' AND k1 = 'A100' AND k2 = 'C'");
    return s.Step() ? s.Text(0) : "";
}

TEST(ServeProcess, AnAnsweredChangeSurvivesAKill) {
    TempFolder folder;
    std::string db = folder.Path("plm.db");
    SeedSample(db);
    std::string text = "kept <after> & \"kill\" " + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    {
        ServeProcess serve(db);
        ASSERT_EQ(ReadAnswer(Post(serve, UpdateDescription(text))).code, "OK");
        int status = serve.Stop(SIGKILL);
        ASSERT_TRUE(WIFSIGNALED(status));
    }
    server::PlmServer reopened(SampleDefinitions(), db);
    EXPECT_EQ(Description(reopened), text);
}

TEST(ServeProcess, StopsCleanlyOnSigterm) {
    TempFolder folder;
    ServeProcess serve(folder.Path("new.db"));  // a new store is created from the sample
    EXPECT_EQ(serve.Path(), "/nox/request");
    EXPECT_EQ(ReadAnswer(Post(serve, Request("ZerakQuery", "<OBJECTS><QUERIEID_OBJECTS_LINKS><Object>CUSTOMER</Object>"
                                                           "</QUERIEID_OBJECTS_LINKS></OBJECTS>"))).Only().rows.size(), 2u);
    int status = serve.Stop(SIGTERM);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(serve.RestOfOutput(), "stopped");
}

int64_t Count(server::PlmServer& plm, const std::string& sql) {
    server::Statement& s = plm.GetStore().Db().Prepare(sql);
    s.Step();
    return s.Int(0);
}

TEST(Concurrency, EightClientsMixingQueriesAndChangesLoseNothing) {
    const char* configured = std::getenv("NOX_CONCURRENCY_SECONDS");
    const auto duration = std::chrono::milliseconds(static_cast<int>(1000 * (configured ? std::atof(configured) : 2.0)));
    TempFolder folder;
    std::string db = folder.Path("plm.db");
    SeedSample(db);
    std::atomic<int> sent{0}, wellFormedOk{0}, updates{0}, locks{0};
    {
        ServeProcess serve(db);
        const std::string query = Request("ZerakQueryLinks", "<OBJECTS>" + Fields({"DOC.DOC_ID", "DOC.TITLE", "ITEM_DOC.LINK_DATE"}) +
                                                                 Obj("IN_OBJECT", "ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "B"}}) +
                                                                 Link("ITEM_DOC") + "</OBJECTS>");
        auto lock = [](bool on) {
            return Request("EoLockObjectWithoutConnection",
                           "<OBJECTS>" + Obj("IN_OBJECT", "EO", {{"EO.EO_ID", "EO-1001"}}) +
                               Obj("IN_OBJECT1", "ITEM", {{"ITEM.ITEM_KEY", "P110"}, {"ITEM.REVISION", "A"}}) + "</OBJECTS>",
                           std::string("<PARAMS><LOCK>") + (on ? "TRUE" : "FALSE") + "</LOCK></PARAMS>");
        };
        auto end = std::chrono::steady_clock::now() + duration;
        std::vector<std::thread> clients;
        for (int c = 0; c < 8; ++c)
            clients.emplace_back([&, c] {
                for (int i = 0; std::chrono::steady_clock::now() < end; ++i) {
                    int kind = (c + i) % 3;
                    std::string request = kind == 0 ? query : kind == 1 ? UpdateDescription("c" + std::to_string(c) + "-" + std::to_string(i))
                                                                        : lock(i % 2 == 0);
                    ++sent;
                    Answer answer = ReadAnswer(Post(serve, request));
                    if (answer.code != "OK") continue;
                    ++wellFormedOk;
                    if (kind == 1) ++updates;
                    if (kind == 2) ++locks;
                }
            });
        for (std::thread& t : clients) t.join();
        serve.Stop(SIGTERM);
    }
    EXPECT_GT(sent.load(), 8);
    EXPECT_EQ(wellFormedOk.load(), sent.load()) << "every answer well-formed and OK";
    server::PlmServer plm(SampleDefinitions(), db);
    EXPECT_EQ(Count(plm, "SELECT count(*) FROM history WHERE k1 = 'A100' AND json_extract(attrs, '$.CHECK_TYPE') = 'UPDATE'"),
              updates.load());
    EXPECT_EQ(Count(plm, "SELECT count(*) FROM history WHERE k1 = 'P110' AND json_extract(attrs, '$.CHECK_TYPE') IN ('LOCK', 'UNLOCK')"),
              locks.load());
    server::Statement& check = plm.GetStore().Db().Prepare("PRAGMA integrity_check");
    ASSERT_TRUE(check.Step());
    EXPECT_EQ(check.Text(0), "ok");
    EXPECT_EQ(Count(plm, "SELECT count(*) FROM links l LEFT JOIN objects o ON o.id = l.to_id WHERE o.id IS NULL"), 0);
}

}  // namespace
