#pragma once
// The connection component "noxconn2.IConnect": the connection text that heads a hand-built request
// document, naming the user and the project (docs/formats.md, "Connection text").
#include <string>

#include "automation/Dispatchable.h"

namespace components {

class IConnect : public automation::Dispatchable<IConnect> {
public:
    static constexpr const char* kTypeName = "IConnect";
    static const automation::MemberTable<IConnect>& Members();

    // The user of the connection settings, else the login name.
    std::string User() const;
    std::string Project() const;
    // "<CONNECTION><USER>user</USER><PROJECT>project</PROJECT></CONNECTION>", values escaped.
    std::string ConnectInfo() const;
};

}  // namespace components
