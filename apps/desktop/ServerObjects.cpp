#include "ServerObjects.h"

#include <stdexcept>

#include "ServerComm.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"

namespace desktop {

using automation::DispatchPtr;
using automation::Variant;

namespace {

std::vector<std::string> KeyNames(const std::string& type) {
    const Variant keys = automation::CreateObject("noxsimplelinks.clsObjDefWrapper2")->Call("getObjectKeys", type);
    std::vector<std::string> names;
    if (keys.IsArray())
        for (const Variant& key : keys.ToArray().Cells()) names.push_back(key.TextOr(""));
    if (names.empty()) throw std::runtime_error("the object definitions know no type " + type);
    return names;
}

std::string Element(const std::string& name) { return "<" + name + "></" + name + ">"; }

std::string ShortName(const std::string& key) { return key.substr(key.find('.') + 1); }

}  // namespace

std::string ServerObjects::Query(const std::string& type, const std::vector<std::string>& keys) const {
    std::string fields;
    for (const std::string& key : keys) fields += Element(key);
    const DispatchPtr xml = automation::CreateObject("noxsimplelinks.clsXmlWrapper");
    const DispatchPtr request = automation::CreateObject("noxsimplelinks.clsRequestWrapper");
    request->Call("setparams", std::string());
    request->Call("setobjects", "<OBJECTS><SELECT_FIELDS ID=\"\" TYPE=\"SELECT_FIELDS\">" + fields +
                                    "</SELECT_FIELDS><QUERIEID_OBJECTS_LINKS><Object>" + xml->Call("encodeXml", type).TextOr("") +
                                    "</Object></QUERIEID_OBJECTS_LINKS></OBJECTS>");
    automation::Arguments args{request->Call("buildrequest", "ZerakQuery"), Variant(), Variant()};
    const Variant answer = ServerComm(server_)->Invoke("SendRequest", automation::InvokeKind::Method, args);
    const std::string resultCode = args[1].TextOr("");
    if (resultCode != "OK" && resultCode != "WARNING")
        throw std::runtime_error("the server did not list the objects of " + type + ": " + args[2].TextOr(resultCode));
    return answer.TextOr("");
}

std::vector<std::string> ServerObjects::List(const std::string& type, size_t limit) const {
    const std::vector<std::string> keys = KeyNames(type);
    const DispatchPtr rows = automation::CreateObject("noxsimplelinks.clsXmlWrapper")->Call("getRecordset", Query(type, keys)).ToObject();
    std::vector<std::string> objects;
    for (; rows && !rows->Get("EOF").ToBool() && objects.size() < limit; rows->Call("MoveNext")) {
        std::string object;
        for (const std::string& key : keys)
            object += (object.empty() ? "" : " ") + ShortName(key) + "=" + rows->Get("Collect", key).TextOr("");
        objects.push_back(object);
    }
    return objects;
}

}  // namespace desktop
