#include "PlmTestSupport.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <random>
#include <sstream>

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

}  // namespace

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

void SeedSample(const std::string& path) {
    server::PlmServer plm(SampleDefinitions(), path);
    server::SampleLoader::LoadFile(plm.GetStore(), *SampleDefinitions(), std::string(NOX_DATA_DIR) + "/server/sample.xml");
}

SampleServer::SampleServer() {
    std::string path = folder_.Path("plm.db");
    SeedSample(path);
    plm_ = std::make_unique<server::PlmServer>(SampleDefinitions(), path);
}

std::vector<Row> SampleServer::Rows(const std::string& request) {
    Answer answer = Send(request);
    EXPECT_EQ(answer.code, "OK") << (answer.messages.empty() ? "" : answer.messages.front());
    return answer.methods.empty() ? std::vector<Row>{} : answer.methods.front().rows;
}

std::string SampleServer::Fingerprint() {
    server::Database& db = plm_->GetStore().Db();
    server::Statement& s = db.Prepare(
        "SELECT (SELECT count(*) FROM objects), (SELECT count(*) FROM links), (SELECT count(*) FROM history), "
        "(SELECT total(length(attrs)) FROM objects), (SELECT total(length(attrs)) FROM links)");
    s.Step();
    return s.Text(0) + "/" + s.Text(1) + "/" + s.Text(2) + "/" + s.Text(3) + "/" + s.Text(4);
}

std::string Column(const std::vector<Row>& rows, const std::string& field) {
    std::string values;
    for (const Row& row : rows) values += (&row == &rows.front() ? "" : ",") + (row.count(field) ? row.at(field) : "<null>");
    return values;
}

}  // namespace plmtest
