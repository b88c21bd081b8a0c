#include "components/noxAttrs/IclsAttributes.h"

#include "automation/SafeArray.h"

namespace components {

using automation::Arguments;
using automation::SafeArray;
using automation::Variant;

const automation::MemberTable<IclsAttributes>& IclsAttributes::Members() {
    using A = IclsAttributes;
    static const automation::MemberTable<A> table = [] {
        automation::MemberTable<A> t;
        t.Method("ShowByObject", [](A& a, Arguments& args) { return a.ShowByObject(args); })
            .Method("ShowByData", &A::ShowByData)
            .Property("arrGridData", &A::arrGridData, &A::SetArrGridData)
            .Property("objData", [](A& a, Arguments&) { return a.objData_; })
            .ObjectProperty(
                "Buffer", [](A& a, Arguments&) { return a.buffer_; },
                [](A& a, Arguments& args) {
                    a.buffer_ = args.back();
                    return Variant();
                })
            .Property("MethodBuffer", &A::MethodBuffer, &A::SetMethodBuffer);
        return t;
    }();
    return table;
}

void IclsAttributes::ScriptEdits(std::map<std::string, std::string> edits) {
    edits_ = std::move(edits);
    cancelNext_ = false;
}

void IclsAttributes::ScriptCancel() { cancelNext_ = true; }

Variant IclsAttributes::ShowByObject(Arguments& args) {
    shown_.push_back({"ShowByObject", args});
    return answer_;
}

bool IclsAttributes::ShowByData(const Variant& data, const std::string& mode) {
    shown_.push_back({"ShowByData", {data, Variant(mode)}});
    objData_ = data;
    if (std::exchange(cancelNext_, false)) return false;
    Variant edited = data;
    if (edited.IsArray() && edited.ToArray().Dimensions() == 2) {
        SafeArray& rows = edited.MutableArray();
        for (int32_t c = rows.LBound(2); c <= rows.UBound(2); ++c) {
            auto edit = edits_.find(rows.At(rows.LBound(1), c).TextOr(""));
            if (edit == edits_.end()) continue;
            for (int32_t r = rows.LBound(1) + 1; r <= rows.UBound(1); ++r) rows.At(r, c) = Variant(edit->second);
        }
    }
    gridData_ = std::move(edited);
    return true;
}

std::string IclsAttributes::MethodBuffer(const std::string& name) const {
    auto found = methodBuffer_.find(name);
    return found == methodBuffer_.end() ? std::string() : found->second;
}

}  // namespace components
