#include "SampleLoader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <pugixml.hpp>

#include "JsonObject.h"
#include "MethodError.h"
#include "RowSource.h"
#include "StoreError.h"
#include "Values.h"
#include "base64/Base64.h"

namespace server {

namespace {

using objdefs::SameText;

std::vector<std::string> SplitKeys(const std::string& text) {
    std::vector<std::string> keys;
    std::stringstream in(text);
    for (std::string key; std::getline(in, key, '|');) keys.push_back(key);
    return keys;
}

class Loader {
public:
    Loader(Store& store, const objdefs::ObjectDefinitions& defs, std::filesystem::path folder)
        : store_(store), defs_(defs), folder_(std::move(folder)) {}

    void Load(pugi::xml_node root) {
        for (pugi::xml_node node : root.children()) {
            if (node.type() != pugi::node_element) continue;
            ++element_;
            try {
                std::string_view name = node.name();
                if (name == "OBJECT") Object(node);
                else if (name == "LINK") Link(node);
                else if (name == "HISTORY") History(node);
                else if (name == "CONTENT") Content(node);
                else throw StoreError("unknown element <" + std::string(name) + ">");
            } catch (const std::exception& e) {
                throw StoreError("The data set cannot be loaded: element " + std::to_string(element_) + " <" +
                                 node.name() + ">: " + e.what());
            }
        }
    }

private:
    // "TYPE:KEY1|KEY2" → the stored object's id.
    int64_t Find(const std::string& reference) {
        size_t colon = reference.find(':');
        if (colon == std::string::npos) throw StoreError("\"" + reference + "\" is not TYPE:KEYS");
        std::string type = reference.substr(0, colon);
        std::vector<int64_t> ids = store_.FindObjects(type, SplitKeys(reference.substr(colon + 1)));
        if (ids.empty()) throw StoreError("there is no " + reference);
        return ids.front();
    }

    static objdefs::DataType TypeOf(const objdefs::AttributeDef* def, const std::string& name) {
        if (def) return def->type;
        return SameText(name, kEffectiveFrom) || SameText(name, kEffectiveThru) || name.find("DATE") != std::string::npos
                   ? objdefs::DataType::Date
                   : objdefs::DataType::Text;
    }

    template <typename Lookup>
    std::string Attributes(pugi::xml_node node, std::initializer_list<std::string_view> reserved, Lookup lookup) {
        JsonObject json;
        for (pugi::xml_attribute a : node.attributes()) {
            std::string name = a.name();
            if (std::find(reserved.begin(), reserved.end(), std::string_view(name)) != reserved.end()) continue;
            const objdefs::AttributeDef* def = lookup(name);
            json.Add(def ? def->shortName : name, StoredValue(TypeOf(def, name), a.value(), name));
        }
        return json.Text();
    }

    void Object(pugi::xml_node node) {
        const objdefs::TypeDef* type = defs_.FindType(node.attribute("TYPE").value());
        if (!type) throw StoreError(std::string("unknown type \"") + node.attribute("TYPE").value() + "\"");
        std::string attributes = Attributes(node, {"TYPE", "KEYS"}, [&](const std::string& name) {
            return defs_.TypeAttribute(type->name, name);
        });
        store_.InsertObject(type->name, SplitKeys(node.attribute("KEYS").value()), attributes);
    }

    void Link(pugi::xml_node node) {
        std::string name = node.attribute("NAME").value();
        std::string from = node.attribute("FROM").value();
        const objdefs::LinkDef* link = defs_.FindLink(name, from.substr(0, from.find(':')));
        if (!link) throw StoreError("unknown link \"" + name + "\"");
        std::string attributes = Attributes(node, {"NAME", "FROM", "TO"}, [&](const std::string& attribute) {
            return defs_.LinkAttribute(link->name, attribute, link->from);
        });
        store_.InsertLink(link->table, Find(from), Find(node.attribute("TO").value()), attributes);
    }

    void History(pugi::xml_node node) {
        std::string object = node.attribute("OBJECT").value();
        size_t colon = object.find(':');
        std::vector<std::string> keys = SplitKeys(object.substr(colon == std::string::npos ? 0 : colon + 1));
        keys.resize(2);
        std::string at = IsoDate(node.attribute("AT").value());
        if (at.empty()) throw StoreError("AT is not a date");
        std::string attributes = Attributes(node, {"KIND", "OBJECT", "USER", "AT"},
                                            [](const std::string&) { return nullptr; });
        store_.AddHistory({node.attribute("KIND").value(), object.substr(0, colon), keys[0], keys[1],
                           node.attribute("USER").value(), at, attributes});
    }

    // <CONTENT OBJECT="FILE:F1001|1" PATH="files/pump_assy.dwg"/>: the file's bytes become its content.
    void Content(pugi::xml_node node) {
        std::filesystem::path path = folder_ / node.attribute("PATH").value();
        std::ifstream in(path, std::ios::binary);
        if (!in) throw StoreError("the content file " + path.string() + " cannot be read");
        std::ostringstream bytes;
        bytes << in.rdbuf();
        store_.SetContent(Find(node.attribute("OBJECT").value()), base64::Encode(bytes.str()));
    }

    Store& store_;
    const objdefs::ObjectDefinitions& defs_;
    std::filesystem::path folder_;
    int element_ = 0;
};

}  // namespace

void SampleLoader::LoadText(Store& store, const objdefs::ObjectDefinitions& defs, const std::string& text,
                            const std::string& folder) {
    pugi::xml_document document;
    pugi::xml_parse_result parsed = document.load_string(text.c_str());
    if (!parsed) throw StoreError(std::string("The data set is not XML: ") + parsed.description());
    Transaction transaction(store.Db(), Access::Changes);
    Loader(store, defs, folder).Load(document.document_element());
    transaction.Commit();
}

void SampleLoader::LoadFile(Store& store, const objdefs::ObjectDefinitions& defs, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw StoreError("The data set " + path + " cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    LoadText(store, defs, text.str(), std::filesystem::path(path).parent_path().string());
}

}  // namespace server
