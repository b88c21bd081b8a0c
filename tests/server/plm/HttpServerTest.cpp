// The HTTP server in the process, under clients on several threads at once: every answer arrives
// whole, and every change a client made is in the store afterwards. Runs under ThreadSanitizer too
// (./run test --threads).
#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <thread>

#include "HttpServer.h"
#include "PlmTestSupport.h"

using namespace plmtest;

namespace {

const KeyList kA100B = {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "B"}};
const KeyList kA100C = {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "C"}};

std::string UpdateBy(const std::string& user, int n) {
    return Request("UpdateCollectionObjectsWC",
                   "<OBJECTS>" + Obj("IN_OBJECT", "ITEM", {kA100C[0], kA100C[1], {"ITEM.DESCRIPTION", user + "-" + std::to_string(n)}}) +
                       "</OBJECTS>",
                   "", user);
}

TEST(HttpServer, AnswersClientsOnSeveralThreadsInFullAndLosesNoChange) {
    TempFolder folder;
    const std::string store = NewStore(folder);
    SeedSample(store);
    server::PlmServer plm(SampleDefinitions(), store);
    server::HttpSettings settings;
    settings.requireLogin = false;
    server::HttpServer http(plm, settings);
    const int port = http.Bind("127.0.0.1", 0);
    std::thread serving([&] { http.Run(); });

    constexpr int kClients = 4, kRounds = 6;
    const std::string query = QueryLinks("ITEM", kA100B, {"CUSTOMER.CUSTOMER_ID"}, "RELATED_CUSTOMER");
    std::atomic<int> updated{0}, wrong{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c)
        clients.emplace_back([&, c] {
            httplib::Client client("127.0.0.1", port);
            for (int i = 0; i < kRounds; ++i) {
                const bool change = (c + i) % 2 == 0;
                auto reply = client.Post(server::HttpServer::kDefaultPath,
                                         change ? UpdateBy("client" + std::to_string(c), i) : query, "text/xml");
                if (!reply || reply->status != 200 || ReadAnswer(reply->body).code != "OK") ++wrong;
                else if (change) ++updated;
            }
        });
    for (std::thread& client : clients) client.join();
    http.Stop();
    serving.join();

    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(updated, kClients * kRounds / 2);
    const Answer history = ReadAnswer(plm.Handle(ByKeys("QueryObjectVaultHistory", "ITEM", {kA100C[0]}, {"ITEM_VAULT_HISTORY.USER_NAME"})));
    int byClients = 0;
    for (const Row& row : history.Only().rows) byClients += row.at("ITEM_VAULT_HISTORY.USER_NAME").starts_with("client") ? 1 : 0;
    EXPECT_EQ(byClients, updated);
}

}  // namespace
