#include "platform/grid/ControlFont.h"

namespace platform {

namespace {

template <auto Field>
auto FieldProperty() {
    using Value = std::remove_cvref_t<decltype(std::declval<ControlFont&>().*Field)>;
    return std::pair{[](ControlFont& f) { return f.*Field; }, [](ControlFont& f, Value v) { f.*Field = v; }};
}

}  // namespace

const automation::MemberTable<ControlFont>& ControlFont::Members() {
    static const automation::MemberTable<ControlFont> table = [] {
        automation::MemberTable<ControlFont> t;
        auto add = [&t](const char* name, auto accessors) { t.Property(name, accessors.first, accessors.second); };
        add("Name", FieldProperty<&ControlFont::name>());
        add("Size", FieldProperty<&ControlFont::size>());
        add("Charset", FieldProperty<&ControlFont::charset>());
        add("Bold", FieldProperty<&ControlFont::bold>());
        add("Italic", FieldProperty<&ControlFont::italic>());
        return t;
    }();
    return table;
}

}  // namespace platform
