#pragma once
// A way from an object of one type to the objects linked to it: the link definition, the direction
// in which its rows are read, and the type at the other end. A link row goes from the definition's
// FROM type to its TO type; a PARENT_LINKS definition reads the rows of its table backwards (the
// rows that the CHILD_LINKS definition of the same table writes from parent to child).
#include <string>
#include <vector>

#include "objdefs/ObjectDefinitions.h"

namespace server {

struct LinkPath {
    const objdefs::LinkDef* link = nullptr;
    bool reversed = false;  // the anchor is the row's to_id, the linked object its from_id
    std::string otherType;

    const char* AnchorColumn() const { return reversed ? "to_id" : "from_id"; }
    const char* OtherColumn() const { return reversed ? "from_id" : "to_id"; }

    // The paths from `type` through the links named `name`, or, when no link has that name, through
    // the links of that link type ("REFERENCE_LINK", ...); only towards `otherType` when it is given.
    static std::vector<LinkPath> Find(const objdefs::ObjectDefinitions& defs, const std::string& type,
                                      const std::string& name, const std::string& otherType = {});
    // Every path from `type` to `otherType`, whatever the link.
    static std::vector<LinkPath> Between(const objdefs::ObjectDefinitions& defs, const std::string& type,
                                         const std::string& otherType);
    // As Find, raising MethodError (unknown name) when there is no path.
    static std::vector<LinkPath> Require(const objdefs::ObjectDefinitions& defs, const std::string& type,
                                         const std::string& name, const std::string& otherType = {});
};

}  // namespace server
