#include "PlmTestSupport.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cstdlib>
#include <random>
#include <sstream>

#include "PostgresCluster.h"
#include "SampleLoader.h"
#include "objdefs/ObjectDefinitionsReader.h"

namespace plmtest {

namespace {

void ReadReply(pugi::xml_node owner, Reply& reply) {
    reply.code = owner.attribute("ResultCode").value();
    for (pugi::xml_node m : owner.child("Messages").children("Message")) {
        reply.messages.push_back(m.child_value("Description"));
        reply.messageCodes.push_back(m.attribute("Code").value());
        std::ostringstream data;
        if (m.child("Data")) m.child("Data").print(data, "", pugi::format_raw);
        reply.messageData.push_back(data.str());
    }
}

std::unique_ptr<PostgresCluster> cluster;

// Starts the cluster before the first test of a PostgreSQL run, stops it after the last.
class PostgresRun : public ::testing::Environment {
public:
    void SetUp() override {
        if (!OnPostgres()) return;
        const char* skip = std::getenv("NOX_SKIP_POSTGRESQL");
        const char* ci = std::getenv("CI");
        if (skip && std::string(skip) == "1" && !(ci && *ci)) GTEST_SKIP() << "NOX_SKIP_POSTGRESQL=1: the PostgreSQL run is skipped";
        try {
            cluster = std::make_unique<PostgresCluster>();
        } catch (const std::exception& e) {
            FAIL() << "PostgreSQL cannot be started for the tests: " << e.what();
        }
    }
    void TearDown() override { cluster.reset(); }
};

[[maybe_unused]] ::testing::Environment* const kPostgresRun = ::testing::AddGlobalTestEnvironment(new PostgresRun);

}  // namespace

bool OnPostgres() {
    const char* store = std::getenv("NOX_TEST_STORE");
    return store && std::string(store) == "postgresql";
}

std::string NewStore(const TempFolder& folder) {
    if (!OnPostgres()) return folder.Path("plm.db");
    if (!cluster) throw std::runtime_error("the PostgreSQL cluster of the tests is not running");
    return cluster->NewStore();
}

std::string Scalar(server::Database& db, const server::SqlText& sql) {
    server::Statement& s = sql.Prepare(db);
    std::string value = s.Step() ? s.Text(0) : "<no row>";
    s.Reset();
    return value;
}

std::string Scalar(server::Database& db, const std::string& sql) {
    server::SqlText text;
    text << sql;
    return Scalar(db, text);
}

Answer ReadAnswer(const std::string& text) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(text.c_str())) << text;
    pugi::xml_node root = doc.child("Answer");
    EXPECT_TRUE(root) << text;
    Answer answer;
    ReadReply(root, answer);
    for (pugi::xml_node r : root.child("MethodResponses").children("MethodResponse")) {
        MethodAnswer& method = answer.methods.emplace_back();
        ReadReply(r, method);
        method.name = r.attribute("Name").value();
        pugi::xml_node xml = r.child("Result").child("xml");
        for (pugi::xml_node type : xml.child("s:Schema").child("s:ElementType").children("s:AttributeType"))
            method.columnTypes[type.attribute("name").value()] = type.child("s:datatype").attribute("dt:type").value();
        for (pugi::xml_node row : xml.child("rs:data").children("z:row")) {
            Row& values = method.rows.emplace_back();
            for (pugi::xml_attribute a : row.attributes()) values[a.name()] = a.value();
        }
    }
    return answer;
}

TempFolder::TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("plm-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::shared_ptr<const objdefs::ObjectDefinitions> SampleDefinitions() {
    static auto defs = objdefs::ObjectDefinitionsReader::ReadFile(std::string(NOX_DATA_DIR) +
                                                                  "/allusers/AppData/VARDEN/config/download/objdefs.xml");
    return defs;
}

void SeedSample(const std::string& location) {
    server::PlmServer plm(SampleDefinitions(), location);
    server::SampleLoader::LoadFile(plm.GetStore(), *SampleDefinitions(), std::string(NOX_DATA_DIR) + "/server/sample.xml");
}

SampleServer::SampleServer(bool onPostgres) {
    std::string location = onPostgres ? NewStore(folder_) : folder_.Path("plm.db");
    SeedSample(location);
    plm_ = std::make_unique<server::PlmServer>(SampleDefinitions(), location);
    plm_->UseRights(rights::RightsTable::Load(kSampleRights));
}

std::vector<Row> SampleServer::Rows(const std::string& request) {
    Answer answer = Send(request);
    EXPECT_EQ(answer.code, "OK") << (answer.messages.empty() ? "" : answer.messages.front());
    return answer.methods.empty() ? std::vector<Row>{} : answer.methods.front().rows;
}

std::string SampleServer::Fingerprint() {
    server::Database& db = plm_->GetStore().Db();
    std::string print = Scalar(db, "SELECT count(*) FROM objects") + "/" + Scalar(db, "SELECT count(*) FROM links") + "/" +
                        Scalar(db, "SELECT count(*) FROM history");
    for (const char* sql : {"SELECT attrs FROM objects ORDER BY id", "SELECT attrs FROM links ORDER BY id"}) {
        size_t hash = 0;
        for (server::Statement& s = db.Prepare(sql); s.Step();) hash = hash * 31 + std::hash<std::string_view>()(s.TextView(0));
        print += "/" + std::to_string(hash);
    }
    return print;
}

void ExpectSameAnswersOnBothBackends(const std::vector<std::vector<std::string>>& series) {
    if (!OnPostgres()) GTEST_SKIP() << "compared on the PostgreSQL run";
    for (const std::vector<std::string>& requests : series) {
        SampleServer postgres(true), sqlite(false);
        for (const std::string& request : requests) EXPECT_EQ(postgres.Handle(request), sqlite.Handle(request)) << request;
    }
}

std::string Column(const std::vector<Row>& rows, const std::string& field) {
    std::string values;
    for (const Row& row : rows) values += (&row == &rows.front() ? "" : ",") + (row.count(field) ? row.at(field) : "<null>");
    return values;
}

}  // namespace plmtest
