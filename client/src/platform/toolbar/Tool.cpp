#include "platform/toolbar/Tool.h"

#include "platform/grid/ControlErrors.h"
#include "platform/toolbar/KeyedList.h"
#include "platform/toolbar/ToolMenu.h"

namespace platform {

using automation::Arguments;
using automation::Variant;

namespace {

const char* const kChangeAllProperties[] = {"Name", "Picture", "ToolTipText", "Enabled", "Visible", "State", "TagVariant"};

std::string ChangeAllProperty(const Variant& property) {
    if (property.IsString()) {
        for (const char* name : kChangeAllProperties)
            if (automation::SameName(name, property.ToString())) return name;
        RaiseInvalidValue("ChangeAll cannot change \"" + property.ToString() + "\"");
    }
    int32_t number = property.ToLong();
    if (number < 1 || number > static_cast<int32_t>(std::size(kChangeAllProperties)))
        RaiseInvalidValue("ChangeAll property number " + std::to_string(number));
    return kChangeAllProperties[number - 1];
}

}  // namespace

const automation::MemberTable<Tool>& Tool::Members() {
    static const automation::MemberTable<Tool> table = [] {
        automation::MemberTable<Tool> t;
        t.Property("ID", &Tool::ID)
            .Property("Type", &Tool::Type, &Tool::SetType)
            .Property("Enabled", &Tool::Enabled, &Tool::SetEnabled)
            .Property("Visible", &Tool::Visible, &Tool::SetVisible)
            .Property("State", &Tool::State, &Tool::SetState)
            .Property("TagVariant", &Tool::TagVariant, &Tool::SetTagVariant)
            .Property("Name", &Tool::Name, &Tool::SetName)
            .ObjectProperty("Picture", &Tool::Picture, &Tool::SetPicture)
            .Property("ToolTipText", &Tool::ToolTipText, &Tool::SetToolTipText)
            .Method("ChangeAll", &Tool::ChangeAll)
            .Property("Menu", [](Tool& tool, Arguments&) { return Variant(tool.Menu()); });
        return t;
    }();
    return table;
}

Tool::Tool(std::string id, int32_t type, std::weak_ptr<ToolsCollection> registry)
    : id_(std::move(id)), type_(kToolButton), registry_(std::move(registry)) {
    SetType(type);
}

void Tool::SetType(int32_t type) {
    if (type < kToolButton || type > kToolMenu)
        RaiseInvalidValue("tool type " + std::to_string(type) + " (0 button, 1 state button, 2 drop-down button, 3 menu)");
    type_ = type;
}

bool Tool::HasPicture() const {
    if (picture_.IsObject()) return !picture_.IsNothing();
    if (picture_.IsString()) return !picture_.ToString().empty();
    return !picture_.IsEmpty() && !picture_.IsNull() && !picture_.IsMissing();
}

void Tool::ChangeAll(const Variant& property, const Variant& value) {
    Arguments args{value};
    Invoke(ChangeAllProperty(property), automation::InvokeKind::PropertyLet, args);
}

std::shared_ptr<ToolMenu> Tool::Menu() {
    if (!menu_) menu_ = std::make_shared<ToolMenu>(registry_);
    return menu_;
}

bool Tool::HasMenuItems() const { return menu_ && menu_->Tools()->Count() > 0; }

}  // namespace platform
