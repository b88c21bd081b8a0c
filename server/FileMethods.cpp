// The file component's own methods: a file's content and attributes (FileDownload), the same with
// the file's lock taken for the user (FileCheckOut), and new content from the user who holds the lock
// (FileCheckIn). Each names a file, or an object whose main file is meant (a document). Contents travel as base64 text; docs/formats.md, "File content".
#include <sstream>

#include <pugixml.hpp>

#include "FileLock.h"
#include "MethodError.h"
#include "MethodTable.h"
#include "PlmNames.h"
#include "Values.h"
#include "base64/Base64.h"

namespace server {

namespace {

// The type whose objects share a file's keys and its lock.
constexpr const char* kDataset = "DATASET";

std::string DisplayText(const SqlValue& value) {
    if (const std::string* text = std::get_if<std::string>(&value)) return *text;
    if (const int64_t* number = std::get_if<int64_t>(&value)) return std::to_string(*number);
    if (const double* number = std::get_if<double>(&value)) {
        std::ostringstream out;
        out << *number;
        return out.str();
    }
    return {};
}

ObjectSpec FileObject(MethodContext& context) { return context.ReadObject(context.call.RequireRole("IN_OBJECT")); }

// The file an object stands for: a file itself; of another object (a document) its main file
// (MAIN_FILE "Y"), else the first file linked to it.
std::pair<ObjectSpec, int64_t> FileOf(MethodContext& context, const ObjectSpec& object) {
    int64_t id = context.FindOne(object);
    if (objdefs::SameText(object.type, names::kFile)) return {object, id};
    std::optional<int64_t> main, any;
    for (const objdefs::LinkDef* link : context.defs.LinksOf(object.type)) {
        if (!objdefs::SameText(context.defs.OtherEnd(*link, object.type), names::kFile)) continue;
        for (const StoredLink& stored : context.store.LinksFrom(link->table, id)) {
            if (!any) any = stored.to;
            if (!main && DisplayText(context.store.LinkAttribute(stored.id, "MAIN_FILE")) == "Y") main = stored.to;
        }
    }
    std::optional<int64_t> chosen = main ? main : any;
    if (!chosen) throw MethodError(codes::kNotFound, "The " + object.Describe() + " has no file");
    std::optional<StoredObject> file = context.store.ReadObject(*chosen);
    return {context.MakeObject(names::kFile, {file->keys[0], file->keys[1]}), *chosen};
}

// <FILE_CONTENT TYPE= ENCODING="base64"><ATTRIBUTE NAME="FILE.FILE_ID">…</ATTRIBUTE>…<CONTENT>…</CONTENT></FILE_CONTENT>
std::string ContentDocument(MethodContext& context, const ObjectSpec& object, int64_t id) {
    std::optional<std::string> content = context.store.Content(id);
    if (!content) throw MethodError(codes::kNotFound, "The " + object.Describe() + " has no content");
    std::optional<StoredObject> stored = context.store.ReadObject(id);
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("FILE_CONTENT");
    root.append_attribute("TYPE").set_value(object.type.c_str());
    root.append_attribute("ENCODING").set_value("base64");
    for (const objdefs::AttributeDef& def : context.Type(object.type).attributes) {
        if (def.isVirtual) continue;
        std::string value = def.keyOrder > 0 && stored && def.keyOrder <= Store::kMaxKeys
                                ? stored->keys[def.keyOrder - 1]
                                : DisplayText(context.store.Attribute(id, def.shortName));
        pugi::xml_node attribute = root.append_child("ATTRIBUTE");
        attribute.append_attribute("NAME").set_value(def.name.c_str());
        attribute.text().set(value.c_str());
    }
    root.append_child("CONTENT").text().set(content->c_str());
    std::ostringstream out;
    document.save(out, "", pugi::format_raw | pugi::format_no_declaration);
    return out.str();
}

MethodResult Download(MethodContext& context) {
    auto [object, id] = FileOf(context, FileObject(context));
    return {ContentDocument(context, object, id), {}};
}

MethodResult CheckOut(MethodContext& context) {
    auto [object, id] = FileOf(context, FileObject(context));
    std::vector<std::string> keys = context.store.ReadObject(id)->keys;
    SetLocks(context, LockTargets(context, kDataset, {keys[0], keys[1]}), true);
    context.RecordHistory(id, "CHECK_OUT");
    return {ContentDocument(context, object, id), {}};
}

MethodResult CheckIn(MethodContext& context) {
    auto [object, id] = FileOf(context, FileObject(context));
    std::string holder = LockHolder(context, id);
    if (holder.empty())
        throw MethodError(codes::kRefused, "The " + object.Describe() + " is not checked out; check it out first");
    if (holder != context.User()) throw MethodError(codes::kFileLocked, "The " + object.Describe() + " is locked by " + holder);
    std::optional<std::string> bytes = base64::Decode(context.call.Param("CONTENT"));
    if (!bytes) throw MethodError(codes::kBadValue, "The CONTENT of " + object.Describe() + " is not base64 text");
    context.store.SetContent(id, base64::Encode(*bytes));
    if (const objdefs::AttributeDef* size = context.defs.TypeAttribute(object.type, "FILE_SIZE"))
        context.store.SetAttribute(id, size->shortName, StoredValue(size->type, std::to_string(bytes->size()), size->name));
    context.RecordHistory(id, "CHECK_IN");
    return {};
}

Right CheckOutRight(MethodContext& context) { return context.RightOn("EDIT_FILE", FileObject(context)); }
Right CheckInRight(MethodContext& context) { return context.RightOn("COMPLETE_EDIT_FILE", FileObject(context)); }

}  // namespace

void AddFileMethods(MethodTable& table) {
    table.AddQuery("FileDownload", Download);
    table.AddChange("FileCheckOut", CheckOut, CheckOutRight);
    table.AddChange("FileCheckIn", CheckIn, CheckInRight);
}

}  // namespace server
