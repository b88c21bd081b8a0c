#pragma once
// The methods the server carries out, by name (compared exactly, as the catalogue spells them). A
// method that changes the store is registered with the right it needs, which the server checks
// for an authenticated user before the change.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "MethodContext.h"
#include "MethodResult.h"
#include "Right.h"

namespace server {

class MethodTable {
public:
    using Run = std::function<MethodResult(MethodContext&)>;
    // A method: what it does, whether it only reads (a query) or changes the store, and for a
    // change the right it needs.
    struct Method {
        Run run;
        Access access = Access::Changes;
        RightOf right;
    };

    // Every method of the server.
    static const MethodTable& Instance();

    void AddQuery(const std::string& name, Run run) { methods_[name] = {std::move(run), Access::Reads, {}}; }
    void AddChange(const std::string& name, Run run, RightOf right) {
        methods_[name] = {std::move(run), Access::Changes, std::move(right)};
    }
    // Null when the server has no method of that name.
    const Method* Find(const std::string& name) const;
    std::vector<std::string> Names() const;

private:
    std::map<std::string, Method> methods_;
};

// The families of methods, each in its own source file.
void AddQueryMethods(MethodTable& table);
void AddHistoryMethods(MethodTable& table);
void AddLinkChangeMethods(MethodTable& table);
void AddEngineeringOrderMethods(MethodTable& table);
void AddRouteStepMethods(MethodTable& table);
void AddObjectChangeMethods(MethodTable& table);
void AddFileMethods(MethodTable& table);

}  // namespace server
