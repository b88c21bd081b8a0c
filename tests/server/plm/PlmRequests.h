#pragma once
// Request texts for the reference server, built the way the client writes them.
#include <string>
#include <utility>
#include <vector>

namespace plmtest {

using KeyList = std::vector<std::pair<std::string, std::string>>;

// The objects most tests look at.
inline const KeyList kA100B = {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "B"}};
inline const KeyList kD100B = {{"DOC.DOC_ID", "D100"}, {"DOC.REVISION", "B"}};

inline std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '"' ? "&quot;" : std::string(1, c);
    return out;
}

// Fragment builders, as the client writes them; no fields, no <SELECT_FIELDS>.
inline std::string Obj(const std::string& role, const std::string& type, const KeyList& keys) {
    std::string out = "<" + role + " ID=\"" + type + "\" TYPE=\"\">";
    for (const auto& [name, value] : keys) out += "<" + name + ">" + Escape(value) + "</" + name + ">";
    return out + "</" + role + ">";
}

inline std::string Fields(const std::vector<std::string>& fields) {
    if (fields.empty()) return "";
    std::string out = "<SELECT_FIELDS ID=\"\" TYPE=\"SELECT_FIELDS\">";
    for (const std::string& f : fields) out += "<" + f + "></" + f + ">";
    return out + "</SELECT_FIELDS>";
}

inline std::string Link(const std::string& name, const std::string& attributes = {}) {
    return "<LINK1  ID=\"" + name + "\">" + attributes + " </LINK1>";
}

inline std::string Request(const std::string& method, const std::string& objects, const std::string& params = {},
                           const std::string& user = {}) {
    std::string connection = user.empty() ? "" : "<CONNECTION><USER>" + user + "</USER><PROJECT></PROJECT></CONNECTION>";
    return "<Request>" + connection + "<Method><Name>" + method + "</Name>" + objects + params + "</Method></Request>";
}

// The keys of step `step` of the order EO-1001's route R1, as `type` (EO_ROUTE_STEP or EO_USER_TASK).
inline KeyList Step(const std::string& type, const std::string& step) {
    return {{type + ".EO_ID", "EO-1001"}, {type + ".ROUTE_ID", "R1"}, {type + ".STEP_ID", step}};
}

// A change to the link between two objects.
inline std::string LinkRequest(const std::string& method, const std::string& parentType, const KeyList& parent,
                               const std::string& childType, const KeyList& child, const std::string& link,
                               const std::string& linkAttributes = {}, const std::string& user = {}) {
    return Request(method, "<OBJECTS>" + Obj("PARENT_OBJECT", parentType, parent) + Obj("CHILD_OBJECT", childType, child) +
                               Link(link, linkAttributes) + "</OBJECTS>", "", user);
}

// A method of the order EO-1001's route R1 on one item, with a lock or the steps it names.
inline std::string OnOrder(const std::string& method, const KeyList& item, const std::string& lock = {},
                           const std::string& steps = {}) {
    const std::string params = lock.empty() ? "" : "<LOCK>" + lock + "</LOCK>";
    return Request(method, "<OBJECTS><IN_OBJECT ID='EO'><EO.EO_ID>EO-1001</EO.EO_ID><EO.ROUTE_ID>R1</EO.ROUTE_ID></IN_OBJECT>" +
                               Obj("IN_OBJECT1", "ITEM", item) + "</OBJECTS>",
                   params.empty() && steps.empty() ? "" : "<PARAMS>" + params + (steps.empty() ? "" : "<STEPS>" + steps + "</STEPS>") + "</PARAMS>");
}

// An approver's response to the item on one step.
inline std::string StepResponse(const std::string& step, const KeyList& item, const std::string& response) {
    return Request("StepObjectResponse", "<OBJECTS>" + Obj("IN_OBJECT", "EO_USER_TASK", Step("EO_USER_TASK", step)) +
                                             Obj("IN_OBJECT1", "ITEM", item) + "</OBJECTS>",
                   "<PARAMS><RESPONSE>" + response + "</RESPONSE></PARAMS>", "jsmith");
}

// A recursive removal of projects from A100 and its structure.
inline std::string UnAuthorize(const std::vector<std::string>& projects) {
    std::string objects = "<OBJECTS><IN_OBJECT ID='ITEM'><ITEM.ITEM_KEY>A100</ITEM.ITEM_KEY></IN_OBJECT>";
    for (size_t i = 0; i < projects.size(); ++i)
        objects += "<Object" + std::to_string(i) + " ID='PROJECT' TYPE='PARAM_ARRAY'><id>" + projects[i] + "</id></Object" +
                   std::to_string(i) + ">";
    return Request("UnAuthorizeToProject", objects + "</OBJECTS>", "<PARAMS><Recursive>Yes</Recursive></PARAMS>");
}

// A lock or unlock of a file by a user.
inline std::string LockTree(const std::string& action, const std::string& file, const std::string& user) {
    return "<Request><CONNECTION><USER>" + user + "</USER><PROJECT></PROJECT></CONNECTION><Method><Name>LockTree</Name><_ACTION>" +
           action + "</_ACTION><OBJECT>DATASET</OBJECT><KEY>" + file + "</KEY><REVISION>1</REVISION>"
           "<DATE>06/03/2024</DATE><LEVELS>1</LEVELS></Method></Request>";
}

// A method of the file component on a file (revision 1), as the user when one is named.
inline std::string FileRequest(const std::string& method, const std::string& file, const std::string& params = {},
                               const std::string& user = {}) {
    return Request(method, "<OBJECTS>" + Obj("IN_OBJECT", "FILE", {{"FILE.FILE_ID", file}, {"FILE.REVISION", "1"}}) + "</OBJECTS>",
                   "<PARAMS>" + params + "</PARAMS>", user);
}

// A method on one object; the objects linked to one object; the objects of one type.
inline std::string ByKeys(const std::string& method, const std::string& type, const KeyList& keys,
                          const std::vector<std::string>& fields = {}, const std::string& params = {}) {
    return Request(method, "<OBJECTS>" + Fields(fields) + Obj("IN_OBJECT", type, keys) + "</OBJECTS>", params);
}

inline std::string QueryLinks(const std::string& type, const KeyList& keys, const std::vector<std::string>& fields,
                              const std::string& link, const std::string& params = {},
                              const std::string& method = "ZerakQueryLinks") {
    return Request(method, "<OBJECTS>" + Fields(fields) + Obj("IN_OBJECT", type, keys) + Link(link) + "</OBJECTS>", params);
}

inline std::string QueryType(const std::string& type, const std::vector<std::string>& fields,
                             const std::string& conditions = {}) {
    return Request("ZerakQuery", "<OBJECTS>" + Fields(fields) + "<QUERIEID_OBJECTS_LINKS><Object>" + type +
                                     "</Object></QUERIEID_OBJECTS_LINKS>" + conditions + "</OBJECTS>");
}

// The first condition of a query: `field` of `object` (through `link`, given as its element) equals `value`.
inline std::string Condition(const std::string& object, const std::string& field, const std::string& value,
                             const std::string& link = {}) {
    return "<CONDITION0 TYPE=\"SIMPLE_CONDITION\"><Relation></Relation>" + link + "<Object>" + object + "</Object><Field>" + field +
           "</Field><Condition>EQU</Condition><Value>" + value + "</Value></CONDITION0>";
}

// A multi-method request nesting the documents, escaped in PARAMS/RequestBody.
inline std::string Multi(const std::vector<std::string>& requests, const std::string& name = "MultiMethodsRequest") {
    std::string body;
    for (const std::string& r : requests) body += r;
    return Request(name, "", "<PARAMS><RequestBody>" + Escape(body) + "</RequestBody></PARAMS>");
}

}  // namespace plmtest
