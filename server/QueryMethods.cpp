// The query methods: linked objects (with or without conditions, of a step, of a task), where
// used, part list, plain query and the top affected objects of a modification.
#include "MethodError.h"
#include "MethodTable.h"
#include "PlmNames.h"
#include "QueryFilter.h"

namespace server {

namespace {

using objdefs::SameText;

bool SomeFieldOf(const std::vector<std::string>& fields, const std::string& type) {
    for (const std::string& field : fields)
        if (SameText(field.substr(0, field.find('.')), type)) return true;
    return false;
}

// Of several paths (one link name towards several types), those towards the types the fields name.
std::vector<LinkPath> ForFields(std::vector<LinkPath> paths, const std::vector<std::string>& fields) {
    std::vector<LinkPath> chosen;
    for (const LinkPath& path : paths)
        if (SomeFieldOf(fields, path.otherType)) chosen.push_back(path);
    return chosen.empty() ? paths : chosen;
}

// The object whose links a query reads: a user task reads the links of its step.
int64_t Anchor(const MethodContext& context, const ObjectSpec& parent) {
    if (SameText(parent.type, names::kTask)) return context.FindOne(context.MakeObject(names::kStep, parent.keys));
    return context.FindOne(parent);
}

MethodResult RunLinked(MethodContext& context, const ObjectSpec& object, const std::vector<LinkPath>& paths) {
    RowFilter filter = ReadRowFilter(context);
    int64_t anchor = Anchor(context, object);
    std::vector<std::string> fields = RowQuery::SelectedFields(context.call);
    RowQuery query(context, fields);
    for (const LinkPath& path : ForFields(paths, fields)) query.Linked(path, anchor, filter);
    return {query.Finish(), {}};
}

MethodResult QueryLinks(MethodContext& context) {
    ObjectSpec parent = context.ReadObject(context.call.RequireRole("IN_OBJECT"));
    std::string link = Trimmed(context.call.Role("LINK1").attribute("ID").value());
    return RunLinked(context, parent, LinkPath::Require(context.defs, parent.type, link));
}

MethodResult WhereUsed(MethodContext& context) {
    pugi::xml_node element = context.call.RequireRole("IN_OBJECT");
    ObjectSpec object = context.ReadObject(element);
    std::string userType = context.Type(Trimmed(element.attribute("ID").value())).name;
    std::vector<LinkPath> paths = SameText(userType, object.type)
                                      ? LinkPath::Require(context.defs, object.type, names::kParentLinks)
                                      : LinkPath::Between(context.defs, object.type, userType);
    if (paths.empty())
        throw MethodError(codes::kUnknownName, "No link leads from " + object.type + " to " + userType);
    return RunLinked(context, object, paths);
}

MethodResult PartList(MethodContext& context) {
    ObjectSpec object = context.ReadObject(context.call.RequireRole("IN_OBJECT"));
    return RunLinked(context, object, LinkPath::Require(context.defs, object.type, names::kChildLinks));
}

MethodResult Query(MethodContext& context) {
    pugi::xml_node queried = context.call.RequireRole("QUERIEID_OBJECTS_LINKS");
    std::string type = context.Type(Trimmed(queried.child_value("Object"))).name;
    RowQuery query(context, RowQuery::SelectedFields(context.call));
    query.Objects(type, ReadRowFilter(context));
    return {query.Finish(), {}};
}

MethodResult TopAffected(MethodContext& context) {
    ObjectSpec modification = context.ReadObject(context.call.RequireRole("IN_OBJECT"));
    std::string outType = Trimmed(context.call.Role("OUT_OBJECT").attribute("ID").value());
    if (outType.empty()) outType = "ITEM";
    std::vector<LinkPath> paths = LinkPath::Between(context.defs, modification.type, context.Type(outType).name);
    if (paths.empty())
        throw MethodError(codes::kUnknownName, "No link leads from " + modification.type + " to " + outType);
    RowQuery query(context, RowQuery::SelectedFields(context.call));
    query.TopAffected(paths.front(), context.FindOne(modification));
    return {query.Finish(), {}};
}

}  // namespace

void AddQueryMethods(MethodTable& table) {
    table.AddQuery("ZerakQueryLinks", QueryLinks);
    table.AddQuery("ZerakQueryLinkWithCondition", QueryLinks);
    table.AddQuery("QueryStepRelatedObjects", QueryLinks);
    table.AddQuery("QueryTaskRelatedObjects", QueryLinks);
    table.AddQuery("ZerakWhereUsed", WhereUsed);
    table.AddQuery("ZerakPartList", PartList);
    table.AddQuery("ZerakQuery", Query);
    table.AddQuery("TopAffectedObjects", TopAffected);
}

}  // namespace server
