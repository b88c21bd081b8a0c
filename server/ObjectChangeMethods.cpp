// The methods that change objects themselves: attribute updates of several objects and the lock of
// a file's dataset (who locked it and when, FileLock.h).
#include "FileLock.h"
#include "MethodError.h"
#include "MethodTable.h"
#include "PlmNames.h"
#include "Values.h"

namespace server {

namespace {

using objdefs::SameText;

std::string TextOf(const SqlValue& value) {
    const std::string* text = std::get_if<std::string>(&value);
    return text ? *text : std::string();
}

// An attribute of the type or of one of its categories.
const objdefs::AttributeDef* UpdatableAttribute(const MethodContext& context, const std::string& type,
                                                const std::string& name) {
    if (const objdefs::AttributeDef* def = context.defs.TypeAttribute(type, name)) return def;
    std::string shortName = name.substr(name.find('.') + 1);
    for (const objdefs::CategoryDef& category : context.defs.Categories())
        if (SameText(category.objectType, type))
            if (const objdefs::AttributeDef* def = objdefs::ObjectDefinitions::FindAttribute(category.attributes, shortName))
                return def;
    return nullptr;
}

// The keys of a "%METHOD_ID%" text: "ID=42" or "ID=42, REV=B".
std::vector<std::string> MethodIdKeys(const std::string& text) {
    std::vector<std::string> keys;
    size_t at = 0;
    while ((at = text.find('=', at)) != std::string::npos) {
        size_t end = text.find(',', at);
        keys.push_back(Trimmed(text.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1)));
        at = end;
    }
    return keys;
}

ObjectSpec UpdatedObject(MethodContext& context) {
    pugi::xml_node element = context.call.Objects().find_child([](pugi::xml_node n) { return n.attribute("ID"); });
    if (!element) throw MethodError(codes::kMissing, "The update names no object (an element with an ID)");
    std::vector<std::string> idKeys = MethodIdKeys(context.call.Text("METHOD_ID"));
    std::string firstKey = context.defs.KeyNames(Trimmed(element.attribute("ID").value())).empty()
                               ? std::string()
                               : context.defs.KeyNames(Trimmed(element.attribute("ID").value())).front();
    if (!idKeys.empty() && !firstKey.empty() && !element.child(firstKey.c_str())) {
        ObjectSpec object = context.MakeObject(Trimmed(element.attribute("ID").value()), idKeys);
        for (pugi::xml_node child : element.children())
            if (child.type() == pugi::node_element) object.fields.emplace_back(child.name(), child.text().get());
        return object;
    }
    return context.ReadObject(element);
}

MethodResult UpdateObjects(MethodContext& context) {
    ObjectSpec object = UpdatedObject(context);
    int64_t id = context.FindOne(object);
    if (TextOf(context.store.Attribute(id, names::kStatus)) == "RELEASED")
        throw MethodError(codes::kRefused, "The " + object.Describe() + " is released and cannot be changed");
    std::vector<std::pair<const objdefs::AttributeDef*, SqlValue>> changes;
    for (const auto& [name, text] : object.fields) {
        const objdefs::AttributeDef* def = UpdatableAttribute(context, object.type, name);
        if (!def) throw MethodError(codes::kUnknownName, "The " + object.type + " has no attribute " + name);
        if (def->keyOrder > 0 || def->isVirtual)
            throw MethodError(codes::kRefused, "The attribute " + name + " cannot be changed");
        changes.emplace_back(def, StoredValue(def->type, text, name));
    }
    if (changes.empty()) throw MethodError(codes::kMissing, "The update of " + object.Describe() + " changes nothing");
    for (const auto& [def, value] : changes) context.store.SetAttribute(id, def->shortName, value);
    context.RecordHistory(id, "UPDATE");
    return {};
}

// The keys of the dataset a lock request names.
std::vector<std::string> LockKeys(MethodContext& context, const std::string& type) {
    std::vector<std::string> keys;
    for (const std::string& key : context.defs.KeyNames(type)) {
        std::string shortName = key.substr(key.find('.') + 1);
        std::string value = context.call.Text(context.call.Element().child(key.c_str()) ? key.c_str() : shortName.c_str());
        if (value.empty()) break;
        keys.push_back(value);
    }
    if (keys.empty()) throw MethodError(codes::kMissing, "The lock request names no key of " + type);
    return keys;
}

// The file with the dataset's keys, and the dataset itself when the store has it.
std::vector<LockTarget> LockTargets(MethodContext& context) {
    std::string type = context.Type(context.call.RequireText("OBJECT")).name;
    return LockTargets(context, type, LockKeys(context, type));
}

MethodResult LockTree(MethodContext& context) {
    std::string action = context.call.RequireText("_ACTION");
    bool lock = SameText(action, "LOCK");
    if (!lock && !SameText(action, "UNLOCK"))
        throw MethodError(codes::kBadValue, "The action \"" + action + "\" is neither LOCK nor UNLOCK");
    std::string date = context.call.Text("DATE");
    if (!date.empty() && IsoDate(date).empty())
        throw MethodError(codes::kBadValue, "The date \"" + date + "\" is not a date");
    SetLocks(context, LockTargets(context), lock);
    return {};
}

Right UpdateRight(MethodContext& context) { return context.RightOn("UPDATE_OBJECT", UpdatedObject(context)); }

// Locking the file with the dataset's keys.
Right LockRight(MethodContext& context) {
    std::vector<std::string> keys = LockKeys(context, context.Type(context.call.RequireText("OBJECT")).name);
    bool unlock = SameText(context.call.Text("_ACTION"), "UNLOCK");
    return context.RightOn(unlock ? "UNLOCK_FILE" : "LOCK_FILE", context.MakeObject(names::kFile, keys));
}

}  // namespace

void AddObjectChangeMethods(MethodTable& table) {
    table.AddChange("UpdateCollectionObjectsWC", UpdateObjects, UpdateRight);
    table.AddChange("LockTree", LockTree, LockRight);
}

}  // namespace server
