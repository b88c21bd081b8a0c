#include "noxsimplelinks/grid/clsGridWrapper.h"

#include "automation/ObjectFactory.h"
#include "noxsimplelinks/grid/GridComponentMembers.h"

namespace noxsimplelinks {

using automation::Arguments;
using automation::Variant;
namespace members = GridComponentMembers;

namespace {

Variant Converted(Variant answer, members::Answer kind) {
    switch (kind) {
        case members::Answer::Boolean: return Variant(answer.ToBool());
        case members::Answer::Object: return Variant(answer.ToObject());
        case members::Answer::AsIs: break;
    }
    return answer;
}

}  // namespace

const automation::MemberTable<clsGridWrapper>& clsGridWrapper::Members() {
    static const automation::MemberTable<clsGridWrapper> table = [] {
        automation::MemberTable<clsGridWrapper> t;
        for (const members::Operation& operation : members::kOperations)
            t.Method(
                operation.name,
                [operation](clsGridWrapper& w, Arguments& args) {
                    return Converted(w.Forward(operation.name, args), operation.answer);
                },
                std::vector<int>(operation.byReference.begin(), operation.byReference.end()));
        for (std::string_view name : members::kObjectProperties)
            t.ObjectProperty(
                name,
                [name](clsGridWrapper&, Arguments&) -> Variant {
                    throw automation::AutomationError(automation::errors::kObjectDoesNotSupportMember,
                                                      std::string(name) + " can only be set");
                },
                [name](clsGridWrapper& w, Arguments& args) {
                    w.component_->Set(name, args.back());
                    return Variant();
                });
        return t;
    }();
    return table;
}

clsGridWrapper::clsGridWrapper() : component_(automation::CreateObject(kComponentProgId)) {}

Variant clsGridWrapper::Forward(std::string_view name, Arguments& args) {
    return component_->Invoke(name, automation::InvokeKind::Method, args);
}

Variant clsGridWrapper::IGetObjectKeysValues(const Variant& grid, const std::string& objectType, Variant& keys,
                                             Variant& values, const Variant& row) {
    Arguments args{grid, Variant(objectType), keys, values, row};
    Variant answer = Forward("IGetObjectKeysValues", args);
    keys = args[2];
    values = args[3];
    return answer;
}

void clsGridWrapper::SetResource(automation::DispatchPtr resource) { component_->Set("Resource", Variant(resource)); }

}  // namespace noxsimplelinks
