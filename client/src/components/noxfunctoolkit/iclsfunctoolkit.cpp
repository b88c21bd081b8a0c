#include "components/noxfunctoolkit/iclsfunctoolkit.h"

#include <vector>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "components/noxfunctoolkit/OriginatingApplications.h"
#include "platform/Shell.h"

namespace components {

using automation::Variant;

namespace {

// A 0-based array of the texts.
Variant TextArray(const std::vector<std::string>& texts) {
    automation::SafeArray array(automation::Bounds{0, static_cast<int32_t>(texts.size()) - 1});
    for (size_t i = 0; i < texts.size(); ++i) array.At(static_cast<int32_t>(i)) = Variant(texts[i]);
    return Variant(std::move(array));
}

// The calling class's member of that name; Nothing when it has none.
Variant CallerMember(const automation::DispatchPtr& caller, const char* name) {
    try {
        return caller ? caller->Get(name) : Variant();
    } catch (const automation::AutomationError&) {
        return Variant();
    }
}

}  // namespace

const automation::MemberTable<iclsfunctoolkit>& iclsfunctoolkit::Members() {
    static const automation::MemberTable<iclsfunctoolkit> table = [] {
        using Self = iclsfunctoolkit;
        automation::MemberTable<Self> t;
        t.ObjectProperty("CallingClass", &Self::CallingClass, &Self::SetCallingClass)
            .Method("Edit", &Self::Edit)
            .Method("View", &Self::View);
        return t;
    }();
    return table;
}

bool iclsfunctoolkit::Edit(const std::string& objectType, const Variant& keys, const Variant& values) {
    return Open(true, objectType, keys, values);
}

bool iclsfunctoolkit::View(const std::string& objectType, const Variant& keys, const Variant& values) {
    return Open(false, objectType, keys, values);
}

bool iclsfunctoolkit::Open(bool edit, const std::string& objectType, const Variant& keys, const Variant& values) {
    if (!keys.IsArray() || !values.IsArray()) return false;
    // The application travels as the last key; the others name the object.
    std::vector<std::string> names, texts;
    std::string application;
    const automation::SafeArray& keyArray = keys.ToArray();
    const automation::SafeArray& valueArray = values.ToArray();
    for (int32_t i = keyArray.LBound(); i <= keyArray.UBound() && i - keyArray.LBound() + valueArray.LBound() <= valueArray.UBound(); ++i) {
        const std::string name = keyArray.At(i).TextOr("");
        const std::string value = valueArray.At(i - keyArray.LBound() + valueArray.LBound()).TextOr("");
        if (automation::SameName(name, kApplicationKey)) application = value;
        else {
            names.push_back(name);
            texts.push_back(value);
        }
    }
    if (names.empty()) return false;
    const automation::DispatchPtr fileComponent = automation::CreateObject("noxfile2.iclsfile");
    for (const char* collaborator : {"Host", "Comm"})
        if (Variant value = CallerMember(callingClass_, collaborator); value.IsObject()) fileComponent->Set(collaborator, value);
    const Variant file(fileComponent);
    if (!automation::CallOn(file, edit ? "Edit" : "Download", TextArray(names), TextArray(texts), Variant::Missing(), objectType).ToBool())
        return false;
    const std::string program = OriginatingApplications::Load().Program(application, edit);
    const std::string path = automation::CallOn(file, "LastPath").TextOr("");
    platform::Shell& shell = platform::SystemShell();
    return (program.empty() ? shell.OpenDocument(path) : shell.OpenWithProgram(program, path)) == platform::Shell::kOpened;
}

}  // namespace components
