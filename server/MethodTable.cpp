#include "MethodTable.h"

namespace server {

const MethodTable& MethodTable::Instance() {
    static const MethodTable table = [] {
        MethodTable t;
        AddQueryMethods(t);
        AddHistoryMethods(t);
        AddLinkChangeMethods(t);
        AddEngineeringOrderMethods(t);
        AddRouteStepMethods(t);
        AddObjectChangeMethods(t);
        AddFileMethods(t);
        return t;
    }();
    return table;
}

const MethodTable::Method* MethodTable::Find(const std::string& name) const {
    auto it = methods_.find(name);
    return it == methods_.end() ? nullptr : &it->second;
}

std::vector<std::string> MethodTable::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : methods_) names.push_back(entry.first);
    return names;
}

}  // namespace server
