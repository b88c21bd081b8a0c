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

std::string UpdateDescription(const std::string& text) {
    return ByKeys("UpdateCollectionObjectsWC", "ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "C"}, {"ITEM.DESCRIPTION", text}});
}

// The first value the store at `db` answers to `sql`.
std::string Scalar(const std::string& db, const std::string& sql) {
    server::PlmServer plm(SampleDefinitions(), db);
    server::Statement& s = plm.GetStore().Db().Prepare(sql);
    return s.Step() ? s.Text(0) : "<no row>";
}

std::string HistoryCount(const std::string& key, const std::string& checkTypes) {
    return "SELECT count(*) FROM history WHERE k1 = '" + key + "' AND json_extract(attrs, '$.CHECK_TYPE') IN (" + checkTypes + ")";
}

TEST(ServeProcess, AnAnsweredChangeSurvivesAKill) {
    TempFolder folder;
    std::string db = folder.Path("plm.db");
    SeedSample(db);
    std::string text = "kept <after> & \"kill\" " + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    ServeProcess serve(db);
    ASSERT_EQ(ReadAnswer(Post(serve, UpdateDescription(text))).code, "OK");
    ASSERT_TRUE(WIFSIGNALED(serve.Stop(SIGKILL)));
    EXPECT_EQ(Scalar(db, "SELECT json_extract(attrs, '$.DESCRIPTION') FROM objects WHERE type = 'ITEM' AND k1 = 'A100' AND k2 = 'C'"),
              text);
}

TEST(ServeProcess, StopsCleanlyOnSigterm) {
    TempFolder folder;
    ServeProcess serve(folder.Path("new.db"));  // a new store is created from the sample
    EXPECT_EQ(serve.Path(), "/nox/request");
    EXPECT_EQ(ReadAnswer(Post(serve, QueryType("CUSTOMER", {}))).Only().rows.size(), 2u);
    int status = serve.Stop(SIGTERM);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(serve.RestOfOutput(), "stopped");
}

TEST(Concurrency, EightClientsMixingQueriesAndChangesLoseNothing) {
    const char* configured = std::getenv("NOX_CONCURRENCY_SECONDS");
    const auto duration = std::chrono::milliseconds(static_cast<int>(1000 * (configured ? std::atof(configured) : 2.0)));
    TempFolder folder;
    std::string db = folder.Path("plm.db");
    SeedSample(db);
    const std::string query = QueryLinks("ITEM", kA100B, {"DOC.DOC_ID", "DOC.TITLE", "ITEM_DOC.LINK_DATE"}, "ITEM_DOC");
    const KeyList p110 = {{"ITEM.ITEM_KEY", "P110"}, {"ITEM.REVISION", "A"}};
    std::atomic<int> sent{0}, ok{0}, updates{0}, locks{0};
    ServeProcess serve(db);
    auto end = std::chrono::steady_clock::now() + duration;
    std::vector<std::thread> clients;
    for (int c = 0; c < 8; ++c)
        clients.emplace_back([&, c] {
            for (int i = 0; std::chrono::steady_clock::now() < end; ++i) {
                int kind = (c + i) % 3;
                std::string request = kind == 0   ? query
                                      : kind == 1 ? UpdateDescription("c" + std::to_string(c) + "-" + std::to_string(i))
                                                  : OnOrder("EoLockObjectWithoutConnection", p110, i % 2 == 0 ? "TRUE" : "FALSE");
                ++sent;
                if (ReadAnswer(Post(serve, request)).code != "OK") continue;
                ++ok;
                if (kind == 1) ++updates;
                if (kind == 2) ++locks;
            }
        });
    for (std::thread& t : clients) t.join();
    serve.Stop(SIGTERM);
    EXPECT_GT(sent.load(), 8);
    EXPECT_EQ(ok.load(), sent.load()) << "every answer well-formed and OK";
    EXPECT_EQ(Scalar(db, HistoryCount("A100", "'UPDATE'")), std::to_string(updates.load()));
    EXPECT_EQ(Scalar(db, HistoryCount("P110", "'LOCK', 'UNLOCK'")), std::to_string(locks.load()));
    EXPECT_EQ(Scalar(db, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(Scalar(db, "SELECT count(*) FROM links l LEFT JOIN objects o ON o.id = l.to_id WHERE o.id IS NULL"), "0");
}

}  // namespace
