// The methods that change links: create a link, change a link's data, delete a link, unlink and
// delete a file or another object, remove an object from a modification, withdraw projects'
// authorization.
#include <set>

#include "JsonObject.h"
#include "MethodError.h"
#include "MethodTable.h"
#include "PlmNames.h"
#include "QueryFilter.h"
#include "Values.h"
#include "XmlText.h"

namespace server {

namespace {

using objdefs::SameText;

bool SameValue(const SqlValue& a, const SqlValue& b) {
    auto number = [](const SqlValue& v, double& out) {
        if (auto i = std::get_if<int64_t>(&v)) return out = static_cast<double>(*i), true;
        if (auto d = std::get_if<double>(&v)) return out = *d, true;
        return false;
    };
    double x = 0, y = 0;
    if (number(a, x) && number(b, y)) return x == y;
    return a == b;
}

// The links of the path between the two objects whose attributes equal those the LINK1 element
// gives (an attribute written as NAME or OWNER.NAME).
std::vector<int64_t> MatchingLinks(MethodContext& context, const LinkPath& path, int64_t parent, int64_t child,
                                   pugi::xml_node linkElement) {
    std::vector<StoredLink> links = path.reversed ? context.store.LinksBetween(path.link->table, child, parent)
                                                  : context.store.LinksBetween(path.link->table, parent, child);
    std::vector<int64_t> matching;
    for (const StoredLink& link : links) {
        bool same = true;
        for (pugi::xml_node attribute : linkElement.children()) {
            std::string text = Trimmed(attribute.text().get());
            if (attribute.type() != pugi::node_element || text.empty()) continue;
            std::string name = attribute.name();
            name = name.substr(name.find('.') + 1);
            const objdefs::AttributeDef* def = context.defs.LinkAttribute(path.link->name, name, path.link->from);
            SqlValue wanted = StoredValue(def ? def->type : objdefs::DataType::Text, text, attribute.name());
            if (!SameValue(context.store.LinkAttribute(link.id, def ? def->shortName : name), wanted)) same = false;
        }
        if (same) matching.push_back(link.id);
    }
    return matching;
}

struct LinkEnds {
    ObjectSpec parent, child;
    int64_t parentId = 0, childId = 0;
};

// The ends and the path of the link the PARENT_OBJECT, CHILD_OBJECT and LINK1 elements name.
struct NamedLink {
    LinkEnds ends;
    std::string name;
    std::vector<LinkPath> paths;
    pugi::xml_node element;
};

NamedLink ReadNamedLink(MethodContext& context) {
    NamedLink link;
    link.ends.parent = context.ReadObject(context.call.RequireRole("PARENT_OBJECT"));
    link.ends.child = context.ReadObject(context.call.RequireRole("CHILD_OBJECT"));
    link.element = context.call.Role("LINK1");
    link.name = Trimmed(link.element.attribute("ID").value());
    link.paths = LinkPath::Require(context.defs, link.ends.parent.type, link.name, link.ends.child.type);
    link.ends.parentId = context.FindOne(link.ends.parent);
    link.ends.childId = context.FindOne(link.ends.child);
    return link;
}

[[noreturn]] void NoSuchLink(const NamedLink& link) {
    throw MethodError(codes::kNotFound, "There is no link " + link.name + " from " + link.ends.parent.Describe() + " to " +
                                            link.ends.child.Describe());
}

// The typed value of a link attribute given as NAME or OWNER.NAME; an attribute the link does not
// have is an unknown name.
std::pair<const objdefs::AttributeDef*, SqlValue> LinkValue(MethodContext& context, const LinkPath& path,
                                                             pugi::xml_node attribute) {
    std::string name = attribute.name();
    const objdefs::AttributeDef* def =
        context.defs.LinkAttribute(path.link->name, name.substr(name.find('.') + 1), path.link->from);
    if (!def) throw MethodError(codes::kUnknownName, "The link " + path.link->name + " has no attribute " + name);
    return {def, StoredValue(def->type, Trimmed(attribute.text().get()), name)};
}

// Links the child to the parent by the link LINK1 names, with the attributes it gives; refuses a link
// that is there already (with those attributes).
MethodResult CreateLink(MethodContext& context) {
    NamedLink link = ReadNamedLink(context);
    const LinkPath& path = link.paths.front();
    if (!MatchingLinks(context, path, link.ends.parentId, link.ends.childId, link.element).empty())
        throw MethodError(codes::kRefused, "There is already a link " + link.name + " from " +
                                               link.ends.parent.Describe() + " to " + link.ends.child.Describe());
    JsonObject attributes;
    for (pugi::xml_node attribute : link.element.children())
        if (attribute.type() == pugi::node_element && !Trimmed(attribute.text().get()).empty()) {
            auto [def, value] = LinkValue(context, path, attribute);
            attributes.Add(def->shortName, value);
        }
    const int64_t from = path.reversed ? link.ends.childId : link.ends.parentId;
    const int64_t to = path.reversed ? link.ends.parentId : link.ends.childId;
    context.store.InsertLink(path.link->table, from, to, attributes.Text());
    context.RecordHistory(link.ends.parentId, "LINK", link.name + " " + link.ends.child.Describe());
    return {};
}

// Sets the attributes PARAMS/LINK_VALUES gives on the links LINK1 chooses; not found when none is.
MethodResult UpdateLink(MethodContext& context) {
    NamedLink link = ReadNamedLink(context);
    const pugi::xml_node values = context.call.Element().child("PARAMS").child("LINK_VALUES");
    size_t updated = 0;
    for (const LinkPath& path : link.paths)
        for (int64_t id : MatchingLinks(context, path, link.ends.parentId, link.ends.childId, link.element)) {
            for (pugi::xml_node attribute : values.children())
                if (attribute.type() == pugi::node_element) {
                    auto [def, value] = LinkValue(context, path, attribute);
                    context.store.SetLinkAttribute(id, def->shortName, value);
                }
            ++updated;
        }
    if (updated == 0)
        NoSuchLink(link);
    context.RecordHistory(link.ends.parentId, "UPDATE_LINK", link.name + " " + link.ends.child.Describe());
    return {};
}

// Removes the link named by PARENT_OBJECT, CHILD_OBJECT and LINK1; raises "not found" when there is
// no such link.
LinkEnds RemoveLink(MethodContext& context) {
    NamedLink link = ReadNamedLink(context);
    size_t removed = 0;
    for (const LinkPath& path : link.paths)
        for (int64_t id : MatchingLinks(context, path, link.ends.parentId, link.ends.childId, link.element)) {
            context.store.DeleteLink(id);
            ++removed;
        }
    if (removed == 0)
        NoSuchLink(link);
    context.RecordHistory(link.ends.parentId, "UNLINK", link.name + " " + link.ends.child.Describe());
    return link.ends;
}

MethodResult DeleteLink(MethodContext& context) {
    RemoveLink(context);
    return {};
}

void RefuseLockedFile(MethodContext& context, int64_t id, const ObjectSpec& object) {
    if (!SameText(object.type, names::kFile)) return;
    if (context.store.Attribute(id, "LOCK_FLAG") != SqlValue(std::string("Y"))) return;
    auto text = [&](const char* name) {
        SqlValue v = context.store.Attribute(id, name);
        return std::holds_alternative<std::string>(v) ? std::get<std::string>(v) : std::string();
    };
    throw MethodError(codes::kFileLocked, "The file " + object.Describe() + " is locked by " + text("LOCKED_BY") +
                                              " since " + text("LOCKED_DATE").substr(0, 10) + " " + text("LOCKED_TIME"));
}

// Unlinks the child, then deletes it when nothing else links to it.
MethodResult UnlinkAndDelete(MethodContext& context) {
    ObjectSpec child = context.ReadObject(context.call.RequireRole("CHILD_OBJECT"));
    int64_t childId = context.FindOne(child);
    RefuseLockedFile(context, childId, child);
    if (context.store.Attribute(childId, names::kStatus) == SqlValue(std::string("RELEASED")))
        throw MethodError(codes::kRefused, "The " + child.Describe() + " is released and cannot be deleted");
    RemoveLink(context);
    int64_t others = context.store.CountLinksTo(childId);
    if (others > 0)
        return {{}, {{"I-000120-KEPT", "The " + child.Describe() + " is unlinked; it stays, " +
                                           std::to_string(others) + " other link(s) lead to it", {}}}};
    context.store.DeleteObject(childId);
    return {};
}

// The object and its structure descendants, each once.
std::vector<int64_t> WithDescendants(MethodContext& context, const std::string& type, std::vector<int64_t> roots) {
    const objdefs::LinkDef* structure = context.defs.FindLink(names::kChildLinks, type);
    std::set<int64_t> seen(roots.begin(), roots.end());
    for (size_t i = 0; structure && i < roots.size(); ++i)
        for (const StoredLink& link : context.store.LinksFrom(structure->table, roots[i]))
            if (seen.insert(link.to).second) roots.push_back(link.to);
    return roots;
}

MethodResult UnlinkFromTop(MethodContext& context) {
    ObjectSpec top = context.ReadObject(context.call.RequireRole("IN_OBJECT1"));
    ObjectSpec object = context.ReadObject(context.call.RequireRole("IN_OBJECT2"));
    std::vector<LinkPath> paths = LinkPath::Between(context.defs, top.type, object.type);
    if (paths.empty()) throw MethodError(codes::kUnknownName, "No link leads from " + top.type + " to " + object.type);
    int64_t topId = context.FindOne(top), objectId = context.FindOne(object);
    const LinkPath& path = paths.front();
    if (context.store.LinksBetween(path.link->table, topId, objectId).empty())
        throw MethodError(codes::kNotFound, "The " + object.Describe() + " is not part of " + top.Describe());
    for (int64_t id : WithDescendants(context, object.type, {objectId}))
        context.store.DeleteLinksBetween(path.link->table, topId, id);
    context.RecordHistory(topId, "UNLINK", object.Describe());
    return {};
}

std::vector<std::string> ProjectIds(const MethodCall& call) {
    std::vector<std::string> projects;
    for (pugi::xml_node node : call.Objects().children())
        if (std::string_view(node.name()).substr(0, 6) == "Object" && SameText(node.attribute("ID").value(), names::kProject))
            projects.push_back(Trimmed(node.child_value("id")));
    if (projects.empty()) throw MethodError(codes::kMissing, "The request names no project");
    return projects;
}

void RefuseOwner(MethodContext& context, int64_t id, const std::string& project) {
    SqlValue owner = context.store.Attribute(id, names::kOwnerProject);
    if (owner != SqlValue(project)) return;
    std::optional<StoredObject> object = context.store.ReadObject(id);
    std::string data = "<Data><Replace Arg1=\"" + Escaped(project) + "\" Arg2=\"" + Escaped(object->type) +
                       "\" Arg3=\"" + Escaped(object->keys[0]) + "\"/></Data>";
    throw MethodError(codes::kOwnerProject, "Project " + project + " owns the " + object->type + " " +
                                                object->keys[0] + "; its access cannot be removed", data);
}

MethodResult UnAuthorize(MethodContext& context) {
    ObjectSpec object = context.ReadObject(context.call.RequireRole("IN_OBJECT"));
    std::vector<int64_t> ids = context.FindAll(object);
    if (ids.empty()) throw MethodError(codes::kNotFound, "There is no " + object.Describe());
    if (ParamIsTrue(context, "Recursive")) ids = WithDescendants(context, object.type, ids);
    for (const std::string& project : ProjectIds(context.call)) {
        int64_t projectId = context.FindOne(context.MakeObject(names::kProject, {project}));
        size_t removed = 0;
        for (int64_t id : ids) {
            std::string type = context.store.ReadObject(id)->type;
            for (const LinkPath& path : LinkPath::Find(context.defs, type, names::kProjectLink, names::kProject)) {
                for (const StoredLink& link : context.store.LinksBetween(path.link->table, id, projectId)) {
                    RefuseOwner(context, id, project);
                    context.store.DeleteLink(link.id);
                    ++removed;
                }
            }
        }
        if (removed == 0)
            throw MethodError(codes::kNotFound, "Project " + project + " has no access to " + object.Describe());
    }
    context.RecordHistory(ids.front(), "UNAUTHORIZE");
    return {};
}

// Removing a link: by the link's kind (structure children or parents), else by what it leads to.
Right UnlinkRight(MethodContext& context) {
    ObjectSpec parent = context.ReadObject(context.call.RequireRole("PARENT_OBJECT"));
    ObjectSpec child = context.ReadObject(context.call.RequireRole("CHILD_OBJECT"));
    std::string name = Trimmed(context.call.Role("LINK1").attribute("ID").value());
    const std::string& kind = LinkPath::Require(context.defs, parent.type, name, child.type).front().link->linkType;
    const char* action = SameText(kind, names::kChildLinks)    ? "UNLINK_CHILD"
                         : SameText(kind, names::kParentLinks) ? "UNLINK_PARENT"
                         : SameText(child.type, names::kKeyword)  ? "REMOVE_KEYWORD"
                         : SameText(child.type, names::kCustomer) ? "UNLINK_CUSTOMER"
                                                                  : "UNLINK_REFERENCE";
    return context.RightOn(action, child, &parent);
}

Right LinkRight(MethodContext& context) {
    ObjectSpec parent = context.ReadObject(context.call.RequireRole("PARENT_OBJECT"));
    return context.RightOn("LINK_OBJECT", context.ReadObject(context.call.RequireRole("CHILD_OBJECT")), &parent);
}

Right UpdateLinkRight(MethodContext& context) {
    ObjectSpec parent = context.ReadObject(context.call.RequireRole("PARENT_OBJECT"));
    return context.RightOn("UPDATE_LINK", context.ReadObject(context.call.RequireRole("CHILD_OBJECT")), &parent);
}

// Deleting a file or hard copy from its document, or another object.
Right DeleteRight(MethodContext& context) {
    ObjectSpec parent = context.ReadObject(context.call.RequireRole("PARENT_OBJECT"));
    ObjectSpec child = context.ReadObject(context.call.RequireRole("CHILD_OBJECT"));
    const char* action = SameText(child.type, names::kFile)       ? "UNLINK_FILE_FROM_DOC"
                         : SameText(child.type, names::kHardCopy) ? "UNLINK_HARD_COPY_FROM_DOC"
                                                                  : "DELETE_OBJECT";
    return context.RightOn(action, child, &parent);
}

Right UnlinkFromTopRight(MethodContext& context) {
    ObjectSpec top = context.ReadObject(context.call.RequireRole("IN_OBJECT1"));
    return context.RightOn("UNLINK_AFF_OBJ", context.ReadObject(context.call.RequireRole("IN_OBJECT2")), &top);
}

Right UnAuthorizeRight(MethodContext& context) {
    return context.RightOn("UNLINK_FROM_PROJECT", context.ReadObject(context.call.RequireRole("IN_OBJECT")));
}

}  // namespace

void AddLinkChangeMethods(MethodTable& table) {
    table.AddChange("CreateLink", CreateLink, LinkRight);
    table.AddChange("UpdateLink", UpdateLink, UpdateLinkRight);
    table.AddChange("DeleteLink", DeleteLink, UnlinkRight);
    table.AddChange("DeleteLinkWithoutConnection", DeleteLink, UnlinkRight);
    table.AddChange("UnlinkAndDeleteFile", UnlinkAndDelete, DeleteRight);
    table.AddChange("UnlinkAndDeleteObject", UnlinkAndDelete, DeleteRight);
    table.AddChange("UnlinkObjectFromTop", UnlinkFromTop, UnlinkFromTopRight);
    table.AddChange("UnAuthorizeToProject", UnAuthorize, UnAuthorizeRight);
}

}  // namespace server
