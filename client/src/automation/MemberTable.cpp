#include "automation/MemberTable.h"

namespace automation::detail {

void CheckArgumentCount(Arguments& args, size_t parameters) {
    if (args.size() > parameters) Raise(errors::kWrongNumberOfArguments);
    // Parameters the caller left out arrive as Missing, as optional arguments do.
    args.resize(parameters, Variant::Missing());
}

}  // namespace automation::detail
