#include "components/noxconn2/IConnect.h"

#include <pugixml.hpp>
#include <sstream>

#include "components/noxcomm2/ConnectionSettings.h"

namespace components {

const automation::MemberTable<IConnect>& IConnect::Members() {
    static const automation::MemberTable<IConnect> table = [] {
        automation::MemberTable<IConnect> t;
        t.Property("ConnectInfo", &IConnect::ConnectInfo)
            .Property("User", &IConnect::User)
            .Property("Project", &IConnect::Project);
        return t;
    }();
    return table;
}

std::string IConnect::User() const { return ConnectionSettings::Load().UserName(); }

std::string IConnect::Project() const { return ConnectionSettings::Load().project; }

std::string IConnect::ConnectInfo() const {
    pugi::xml_document document;
    pugi::xml_node connection = document.append_child("CONNECTION");
    connection.append_child("USER").text().set(User().c_str());
    connection.append_child("PROJECT").text().set(Project().c_str());
    std::ostringstream out;
    connection.print(out, "", pugi::format_raw | pugi::format_no_empty_element_tags);
    return out.str();
}

}  // namespace components
