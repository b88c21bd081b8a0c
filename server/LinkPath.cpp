#include "LinkPath.h"

#include "MethodError.h"
#include "PlmNames.h"

namespace server {

using objdefs::SameText;

namespace {

bool PathOf(const objdefs::LinkDef& link, const std::string& type, LinkPath& path) {
    bool atFrom = SameText(link.from, type), atTo = SameText(link.to, type);
    if (!atFrom && !atTo) return false;
    path.link = &link;
    path.reversed = atFrom && atTo ? SameText(link.linkType, names::kParentLinks) : atTo;
    path.otherType = path.reversed ? link.from : link.to;
    return true;
}

enum class Match { Name, LinkType, Any };

std::vector<LinkPath> Collect(const objdefs::ObjectDefinitions& defs, const std::string& type,
                              const std::string& otherType, Match match, const std::string& name) {
    std::vector<LinkPath> paths;
    for (const objdefs::LinkDef& link : defs.Links()) {
        if (match != Match::Any && !SameText(match == Match::Name ? link.name : link.linkType, name)) continue;
        LinkPath path;
        if (PathOf(link, type, path) && (otherType.empty() || SameText(path.otherType, otherType)))
            paths.push_back(path);
    }
    return paths;
}

}  // namespace

std::vector<LinkPath> LinkPath::Find(const objdefs::ObjectDefinitions& defs, const std::string& type,
                                     const std::string& name, const std::string& otherType) {
    std::vector<LinkPath> paths = Collect(defs, type, otherType, Match::Name, name);
    return paths.empty() ? Collect(defs, type, otherType, Match::LinkType, name) : paths;
}

std::vector<LinkPath> LinkPath::Between(const objdefs::ObjectDefinitions& defs, const std::string& type,
                                        const std::string& otherType) {
    return Collect(defs, type, otherType, Match::Any, {});
}

std::vector<LinkPath> LinkPath::Require(const objdefs::ObjectDefinitions& defs, const std::string& type,
                                        const std::string& name, const std::string& otherType) {
    if (name.empty()) throw MethodError(codes::kMissing, "The request names no link");
    std::vector<LinkPath> paths = Find(defs, type, name, otherType);
    if (paths.empty())
        throw MethodError(codes::kUnknownName, "No link \"" + name + "\" leads from " + type +
                                                   (otherType.empty() ? std::string() : " to " + otherType));
    return paths;
}

}  // namespace server
