#pragma once
// The methods the server carries out, by name (compared exactly, as the catalogue spells them).
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "MethodContext.h"
#include "MethodResult.h"

namespace server {

class MethodTable {
public:
    using Run = std::function<MethodResult(MethodContext&)>;
    // A method: what it does, and whether it only reads (a query) or changes the store.
    struct Method {
        Run run;
        Access access = Access::Changes;
    };

    // Every method of the server.
    static const MethodTable& Instance();

    void Add(const std::string& name, Run run, Access access = Access::Changes) { methods_[name] = {std::move(run), access}; }
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
void AddObjectChangeMethods(MethodTable& table);

}  // namespace server
