#pragma once
// The fragments of request documents the library writes beyond clsUtils's builders, each text in one
// place: the fixed parameters of a history query, the link criteria of a query and the objects of an
// affected-objects query.
#include <string>

#include "automation/Variant.h"

namespace noxsimplelinks {

class clsUtils;

namespace RequestFragments {

// The parameters of a history query: the active version, names compared without regard to case.
std::string HistoryParams();
// "<PARAMS><LINK_CRITERIA>" + the criteria, escaped, + "</LINK_CRITERIA></PARAMS>"; criteria that
// cannot be escaped are left out.
std::string LinkCriteriaParams(const std::string& criteria);
// The objects of an affected-objects query: the parent as IN_OBJECT, items as OUT_OBJECT, and the
// fields the grid shows.
std::string AffectedObjects(clsUtils& utils, const std::string& parentType, const automation::Variant& keys,
                            const automation::Variant& values, const automation::Variant& fields);

}  // namespace RequestFragments
}  // namespace noxsimplelinks
