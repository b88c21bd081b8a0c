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

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '"' ? "&quot;" : std::string(1, c);
    return out;
}

std::string Obj(const std::string& role, const std::string& type, const KeyList& keys) {
    std::string out = "<" + role + " ID=\"" + type + "\" TYPE=\"\">";
    for (const auto& [name, value] : keys) out += "<" + name + ">" + Escape(value) + "</" + name + ">";
    return out + "</" + role + ">";
}

std::string Fields(const std::vector<std::string>& fields) {
    if (fields.empty()) return "";
    std::string out = "<SELECT_FIELDS ID=\"\" TYPE=\"SELECT_FIELDS\">";
    for (const std::string& f : fields) out += "<" + f + "></" + f + ">";
    return out + "</SELECT_FIELDS>";
}

std::string Link(const std::string& name, const std::string& attributes) {
    return "<LINK1  ID=\"" + name + "\">" + attributes + " </LINK1>";
}

std::string Request(const std::string& method, const std::string& objects, const std::string& params,
                    const std::string& user) {
    std::string connection = user.empty() ? "" : "<CONNECTION><USER>" + user + "</USER><PROJECT></PROJECT></CONNECTION>";
    return "<Request>" + connection + "<Method><Name>" + method + "</Name>" + objects + params + "</Method></Request>";
}

KeyList Step(const std::string& type, const std::string& step) {
    return {{type + ".EO_ID", "EO-1001"}, {type + ".ROUTE_ID", "R1"}, {type + ".STEP_ID", step}};
}

std::string LinkRequest(const std::string& method, const std::string& parentType, const KeyList& parent, const std::string& childType,
                        const KeyList& child, const std::string& link, const std::string& linkAttributes, const std::string& user) {
    return Request(method, "<OBJECTS>" + Obj("PARENT_OBJECT", parentType, parent) + Obj("CHILD_OBJECT", childType, child) +
                               Link(link, linkAttributes) + "</OBJECTS>", "", user);
}

std::string OnOrder(const std::string& method, const KeyList& item, const std::string& lock) {
    return Request(method, "<OBJECTS><IN_OBJECT ID='EO'><EO.EO_ID>EO-1001</EO.EO_ID><EO.ROUTE_ID>R1</EO.ROUTE_ID></IN_OBJECT>" +
                               Obj("IN_OBJECT1", "ITEM", item) + "</OBJECTS>",
                   lock.empty() ? "" : "<PARAMS><LOCK>" + lock + "</LOCK></PARAMS>");
}

std::string StepResponse(const std::string& step, const KeyList& item, const std::string& response) {
    return Request("StepObjectResponse", "<OBJECTS>" + Obj("IN_OBJECT", "EO_USER_TASK", Step("EO_USER_TASK", step)) +
                                             Obj("IN_OBJECT1", "ITEM", item) + "</OBJECTS>",
                   "<PARAMS><RESPONSE>" + response + "</RESPONSE></PARAMS>", "jsmith");
}

std::string ByKeys(const std::string& method, const std::string& type, const KeyList& keys,
                   const std::vector<std::string>& fields, const std::string& params) {
    return Request(method, "<OBJECTS>" + Fields(fields) + Obj("IN_OBJECT", type, keys) + "</OBJECTS>", params);
}

std::string QueryLinks(const std::string& type, const KeyList& keys, const std::vector<std::string>& fields,
                       const std::string& link, const std::string& params, const std::string& method) {
    return Request(method, "<OBJECTS>" + Fields(fields) + Obj("IN_OBJECT", type, keys) + Link(link) + "</OBJECTS>", params);
}

std::string QueryType(const std::string& type, const std::vector<std::string>& fields, const std::string& conditions) {
    return Request("ZerakQuery", "<OBJECTS>" + Fields(fields) + "<QUERIEID_OBJECTS_LINKS><Object>" + type +
                                     "</Object></QUERIEID_OBJECTS_LINKS>" + conditions + "</OBJECTS>");
}

std::string Condition(const std::string& object, const std::string& field, const std::string& value, const std::string& link) {
    return "<CONDITION0 TYPE=\"SIMPLE_CONDITION\"><Relation></Relation>" + link + "<Object>" + object + "</Object><Field>" + field +
           "</Field><Condition>EQU</Condition><Value>" + value + "</Value></CONDITION0>";
}

std::string Multi(const std::vector<std::string>& requests, const std::string& name) {
    std::string body;
    for (const std::string& r : requests) body += r;
    return Request(name, "", "<PARAMS><RequestBody>" + Escape(body) + "</RequestBody></PARAMS>");
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
