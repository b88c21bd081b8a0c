#include "components/noxfunctoolkit/OriginatingApplications.h"

#include <pugixml.hpp>

#include "automation/Dispatch.h"
#include "platform/ProductFolders.h"

namespace components {

OriginatingApplications OriginatingApplications::Load(const std::string& path) {
    OriginatingApplications table;
    pugi::xml_document document;
    const std::string file = path.empty() ? platform::ProductFolders::Directory("SETTINGS_DIR") + kFileName : path;
    if (!document.load_file(file.c_str())) return table;
    for (pugi::xml_node app : document.child("APPLICATIONS").children("APP")) {
        const std::string program = app.attribute("PROGRAM").value();
        table.entries_.push_back({app.attribute("NAME").value(), program, app.attribute("EDIT").as_string(program.c_str())});
    }
    return table;
}

std::string OriginatingApplications::Program(const std::string& application, bool edit) const {
    for (const Entry& entry : entries_)
        if (automation::SameName(entry.name, application)) return edit ? entry.edit : entry.view;
    return {};
}

}  // namespace components
