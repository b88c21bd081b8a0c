#include "platform/toolbar/Band.h"

namespace platform {

const automation::MemberTable<Band>& Band::Members() {
    static const automation::MemberTable<Band> table = [] {
        automation::MemberTable<Band> t;
        t.Property("Name", &Band::Name, &Band::SetName)
            .Property("Visible", &Band::Visible, &Band::SetVisible)
            .Property("Tools", [](Band& band, automation::Arguments& args) { return CollectionOrItem(band.Tools(), args); });
        return t;
    }();
    return table;
}

Band::Band(std::string name, std::weak_ptr<ToolsCollection> registry)
    : name_(std::move(name)), tools_(std::make_shared<ToolsCollection>(std::move(registry))) {}

}  // namespace platform
