#include "MethodContext.h"

#include <algorithm>

#include "JsonObject.h"
#include "MethodError.h"
#include "PlmNames.h"
#include "Values.h"

namespace server {

using objdefs::SameText;

std::string ObjectSpec::Field(const std::string& name) const {
    for (const auto& [full, text] : fields) {
        size_t dot = full.find('.');
        if (full == name || (dot != std::string::npos && full.compare(dot + 1, std::string::npos, name) == 0))
            return text;
    }
    return {};
}

std::string ObjectSpec::Describe() const {
    std::string text = type + " ";
    for (size_t i = 0; i < keys.size(); ++i) text += (i ? "/" : "") + keys[i];
    return text;
}

MethodContext::MethodContext(Store& s, const objdefs::ObjectDefinitions& d, const MethodCall& c)
    : store(s), defs(d), call(c), now(NowIso()) {}

const objdefs::TypeDef& MethodContext::Type(const std::string& name) const {
    const objdefs::TypeDef* type = defs.FindType(name);
    if (!type) throw MethodError(codes::kUnknownName, "The object type \"" + name + "\" is not defined");
    return *type;
}

const objdefs::LinkDef& MethodContext::Link(const std::string& name, const std::string& type) const {
    const objdefs::LinkDef* link = defs.FindLink(name, type);
    if (!link) throw MethodError(codes::kUnknownName, "The link \"" + name + "\" is not defined");
    return *link;
}

namespace {

// The value of the key element: by full name, else by short name.
pugi::xml_node KeyElement(pugi::xml_node element, const std::string& fullName) {
    if (pugi::xml_node node = element.child(fullName.c_str())) return node;
    return element.child(fullName.substr(fullName.find('.') + 1).c_str());
}

// The type named by the prefix of the element's first child, when that is a type.
std::string PrefixType(const objdefs::ObjectDefinitions& defs, pugi::xml_node element) {
    for (pugi::xml_node child : element.children()) {
        if (child.type() != pugi::node_element) continue;
        std::string name = child.name();
        size_t dot = name.find('.');
        if (dot == std::string::npos) return {};
        const objdefs::TypeDef* type = defs.FindType(name.substr(0, dot));
        return type ? type->name : std::string();
    }
    return {};
}

}  // namespace

ObjectSpec MethodContext::ReadObject(pugi::xml_node element) const {
    std::string id = Trimmed(element.attribute("ID").value());
    if (id.empty())
        throw MethodError(codes::kMissing, std::string("The object <") + element.name() + "> has no ID naming its type");
    ObjectSpec object;
    object.type = Type(id).name;
    std::vector<std::string> keyNames = defs.KeyNames(object.type);
    if (keyNames.empty() || !KeyElement(element, keyNames.front())) {
        std::string other = PrefixType(defs, element);
        if (!other.empty()) {
            object.type = other;
            keyNames = defs.KeyNames(other);
        }
    }
    std::vector<pugi::xml_node> used;
    for (const std::string& key : keyNames) {
        pugi::xml_node node = KeyElement(element, key);
        if (!node) break;
        object.keys.push_back(node.text().get());  // key values exactly as sent
        used.push_back(node);
    }
    if (object.keys.empty() || object.keys.front().empty())
        throw MethodError(codes::kMissing, "The object <" + std::string(element.name()) + " ID=\"" + id +
                                               "\"> lacks its key " + (keyNames.empty() ? id : keyNames.front()));
    for (pugi::xml_node child : element.children()) {
        if (child.type() != pugi::node_element) continue;
        if (std::find(used.begin(), used.end(), child) != used.end()) continue;
        object.fields.emplace_back(child.name(), child.text().get());
    }
    return object;
}

ObjectSpec MethodContext::MakeObject(const std::string& type, std::vector<std::string> keys) const {
    ObjectSpec object{Type(type).name, std::move(keys), {}};
    if (object.keys.empty() || object.keys.front().empty())
        throw MethodError(codes::kMissing, "The " + object.type + " object lacks its first key");
    return object;
}

std::vector<int64_t> MethodContext::FindAll(const ObjectSpec& object, bool ignoreCase) const {
    std::vector<std::string> keys = object.keys;
    while (keys.size() > 1 && keys.back().empty()) keys.pop_back();
    if (keys.size() > Store::kMaxKeys) keys.resize(Store::kMaxKeys);
    return store.FindObjects(object.type, keys, ignoreCase);
}

int64_t MethodContext::FindOne(const ObjectSpec& object, bool ignoreCase) const {
    std::vector<int64_t> ids = FindAll(object, ignoreCase);
    if (ids.empty()) throw MethodError(codes::kNotFound, "There is no " + object.Describe());
    return ids.front();
}

Right MethodContext::RightOn(const std::string& action, const ObjectSpec& object, const ObjectSpec* parent) const {
    auto statusOf = [&](const ObjectSpec& spec) {
        std::vector<int64_t> ids = FindAll(spec);
        SqlValue status = ids.empty() ? SqlValue() : store.Attribute(ids.front(), names::kStatus);
        return std::holds_alternative<std::string>(status) ? std::get<std::string>(status) : std::string();
    };
    std::string status = statusOf(object);
    if (status.empty() && parent) status = statusOf(*parent);
    return {action, object.type, status, object.Describe()};
}

void MethodContext::RecordHistory(int64_t objectId, const std::string& checkType, const std::string& comment) const {
    std::optional<StoredObject> object = store.ReadObject(objectId);
    if (!object) return;
    JsonObject attributes;
    attributes.Add("CHECK_TYPE", checkType).Add("REVISION_FROM", object->keys[1]).Add("REVISION_TO", object->keys[1]);
    if (!comment.empty()) attributes.Add("COMMENTS", comment);
    store.AddHistory({"VAULT", object->type, object->keys[0], object->keys[1], User(), now, attributes.Text()});
}

}  // namespace server
