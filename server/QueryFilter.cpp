#include "QueryFilter.h"

#include "MethodError.h"
#include "Values.h"

namespace server {

using objdefs::SameText;

bool ParamIsTrue(const MethodContext& context, const char* name) {
    std::string value = context.call.Param(name);
    return SameText(value, "True") || SameText(value, "Yes") || value == "1";
}

RowFilter ReadRowFilter(const MethodContext& context) {
    RowFilter filter;
    filter.mode = context.call.Param("Mode");
    if (!filter.mode.empty() && !SameText(filter.mode, "WIP") && !SameText(filter.mode, "RELEASED"))
        throw MethodError(codes::kBadValue, "The mode \"" + filter.mode + "\" is neither WIP nor RELEASED");
    std::string date = context.call.Param("Date");
    if (!date.empty()) {
        filter.date = IsoDate(date);
        if (filter.date.empty()) throw MethodError(codes::kBadValue, "The date \"" + date + "\" is not a date");
    }
    filter.revision = context.call.Param("REVISION_OPTION");
    if (!filter.revision.empty() && !SameText(filter.revision, "ALL_REVISIONS") &&
        !SameText(filter.revision, "EFFECTIVE"))
        throw MethodError(codes::kBadValue,
                          "The revision option \"" + filter.revision + "\" is neither ALL_REVISIONS nor EFFECTIVE");
    filter.conditions = Condition::ReadText(context.call.Param("LINK_CRITERIA"));
    std::vector<Condition> own = Condition::ReadAll(context.call.Objects());
    filter.conditions.insert(filter.conditions.end(), own.begin(), own.end());
    filter.ignoreCase = ParamIsTrue(context, "not_case_sensitive");
    return filter;
}

}  // namespace server
