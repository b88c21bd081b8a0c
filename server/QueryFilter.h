#pragma once
// The row filter of a query method from its parameters: "Mode", "Date", "REVISION_OPTION",
// "LINK_CRITERIA" and "not_case_sensitive", with the conditions of its <OBJECTS>.
#include "MethodContext.h"
#include "RowQuery.h"

namespace server {

// Raises MethodError (bad value) for a mode, date or revision option it does not know.
RowFilter ReadRowFilter(const MethodContext& context);
// "True" (any case) in a parameter.
bool ParamIsTrue(const MethodContext& context, const char* name);

}  // namespace server
