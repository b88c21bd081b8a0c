#include "noxsimplelinks/metadata/clsObjDefWrapper2.h"

#include "automation/ObjectFactory.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

namespace {

using automation::Arguments;
using automation::InvokeKind;
using automation::Variant;
using Param = ObjDefOperation::Param;
using Result = ObjDefOperation::Result;

constexpr const char* kDefaultValuesMoved =
    "function GetObjectDefaultValues  moved to shared class clsUIDefultsWrapper";

bool IsOut(Param p) { return p == Param::Out || p == Param::OptionalOut; }
std::vector<int> OutPositions(const ObjDefOperation& operation) {
    std::vector<int> positions;
    for (size_t i = 0; i < operation.params.size(); ++i)
        if (IsOut(operation.params[i])) positions.push_back(static_cast<int>(i));
    return positions;
}

bool IsOptional(Param p) { return p == Param::OptionalBool || p == Param::OptionalOut; }

// The component's argument for one parameter: a copy of the caller's value in the declared type.
Variant ArgumentFor(Param p, const Variant& given) {
    if (given.IsMissing()) {
        if (!IsOptional(p)) automation::Raise(automation::errors::kArgumentNotOptional);
        return given;
    }
    switch (p) {
        case Param::Text: return Variant(given.ToString());
        case Param::OptionalBool: return Variant(given.ToBool());
        case Param::Value:
        case Param::Out:
        case Param::OptionalOut: break;
    }
    return given;
}

Variant Converted(Result result, const Variant& answer) {
    switch (result) {
        case Result::Value: return answer;
        case Result::Text: return Variant(answer.ToString());
        case Result::Boolean: return Variant(answer.ToBool());
        case Result::None: return Variant();
        case Result::Collection: {
            automation::DispatchPtr object = answer.ToObject();
            if (object && !std::dynamic_pointer_cast<automation::Collection>(object))
                automation::Raise(automation::errors::kTypeMismatch);
            return Variant(object);
        }
    }
    return answer;
}

}  // namespace

const automation::MemberTable<clsObjDefWrapper2>& clsObjDefWrapper2::Members() {
    static const automation::MemberTable<clsObjDefWrapper2> table = [] {
        automation::MemberTable<clsObjDefWrapper2> t;
        for (const ObjDefOperation& operation : ObjDefOperations()) {
            auto forward = [&operation](clsObjDefWrapper2& self, Arguments& args) { return self.Forward(operation, args); };
            if (operation.kind == ObjDefOperation::Kind::Method) t.Method(operation.name, forward, OutPositions(operation));
            if (operation.kind == ObjDefOperation::Kind::Property) t.Property(operation.name, forward);
        }
        t.Method("GetObjectDefaultValues", &clsObjDefWrapper2::GetObjectDefaultValues);
        return t;
    }();
    return table;
}

clsObjDefWrapper2::clsObjDefWrapper2() : metadata_(automation::CreateObject(kMetaDataProgId)) {}

Variant clsObjDefWrapper2::Forward(std::string_view operation, Arguments& args) {
    return Forward(FindObjDefOperation(operation), args);
}

Variant clsObjDefWrapper2::Forward(const ObjDefOperation& operation, Arguments& args) {
    if (args.size() > operation.params.size()) automation::Raise(automation::errors::kWrongNumberOfArguments);
    args.resize(operation.params.size(), Variant::Missing());
    Arguments copies;
    for (size_t i = 0; i < args.size(); ++i) copies.push_back(ArgumentFor(operation.params[i], args[i]));
    InvokeKind kind = operation.kind == ObjDefOperation::Kind::Property ? InvokeKind::PropertyGet : InvokeKind::Method;
    Variant answer = metadata_->Invoke(operation.name, kind, copies);
    for (size_t i = 0; i < args.size(); ++i)
        if (IsOut(operation.params[i])) args[i] = copies[i];
    return Converted(operation.result, answer);
}

template <class... A>
Variant clsObjDefWrapper2::ForwardValues(std::string_view operation, A&&... values) {
    Arguments args{Variant(std::forward<A>(values))...};
    return Forward(operation, args);
}

Variant clsObjDefWrapper2::getObjectKeys(const std::string& strobject) {
    return ForwardValues("getObjectKeys", strobject);
}

Variant clsObjDefWrapper2::getLinkBetween2Obj(const std::string& strobject, const std::string& strLinkedobject,
                                              const std::string& strLinkedType) {
    return ForwardValues("getLinkBetween2Obj", strobject, strLinkedobject, strLinkedType);
}

std::shared_ptr<automation::Collection> clsObjDefWrapper2::getLinkAttrs(const std::string& strobject,
                                                                        const std::string& strLink) {
    return std::dynamic_pointer_cast<automation::Collection>(ForwardValues("getLinkAttrs", strobject, strLink).ToObject());
}

Variant clsObjDefWrapper2::getObjectFields(const std::string& strobject) {
    return ForwardValues("getObjectFields", strobject);
}

Variant clsObjDefWrapper2::getObjectFieldsIncludeVirtual(const std::string& strobject) {
    return ForwardValues("getObjectFieldsIncludeVirtual", strobject);
}

std::string clsObjDefWrapper2::getCategoryAtrrs(const std::string& strCategory) {
    return ForwardValues("getCategoryAtrrs", strCategory).ToString();
}

std::string clsObjDefWrapper2::getCategoryAttr(const std::string& strCategory, const Variant& attribute,
                                               const std::string& strProperty) {
    return ForwardValues("getCategoryAttr", strCategory, attribute, strProperty).ToString();
}

std::string clsObjDefWrapper2::getObjectAttrType(const std::string& strobject, const std::string& strAttr) {
    return ForwardValues("getObjectAttrType", strobject, strAttr).ToString();
}

Variant clsObjDefWrapper2::GetObjectDefaultValues(const Variant& /*strobject*/) {
    platform::Ui().MsgBox(kDefaultValuesMoved, 0, "");
    return Variant();
}

}  // namespace noxsimplelinks
