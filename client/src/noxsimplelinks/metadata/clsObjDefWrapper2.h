#pragma once
// The object-definition facade: owns one metadata component ("noxmetadata2.IMetaData") and forwards
// every operation to the operation of the same name, arguments in the same order, converting the
// answer to the declared result. Strings go in as private copies; the out parameters of
// getLinkTableBetween2Obj and GetDataOfAttributes pass through. No error handling of its own.
#include <memory>
#include <string>

#include "automation/Collection.h"
#include "automation/Dispatchable.h"
#include "noxsimplelinks/metadata/ObjDefOperation.h"

namespace noxsimplelinks {

class clsObjDefWrapper2 : public automation::Dispatchable<clsObjDefWrapper2> {
public:
    static constexpr const char* kTypeName = "clsObjDefWrapper2";
    static const automation::MemberTable<clsObjDefWrapper2>& Members();
    static constexpr const char* kMetaDataProgId = "noxmetadata2.IMetaData";

    // Fails with the factory's error when the component cannot be created.
    clsObjDefWrapper2();

    // Forwards one operation (public or internal) by name; args are the caller's slots, in order.
    automation::Variant Forward(std::string_view operation, automation::Arguments& args);

    // Typed forms of the operations the library calls itself.
    automation::Variant getObjectKeys(const std::string& strobject);
    automation::Variant getLinkBetween2Obj(const std::string& strobject, const std::string& strLinkedobject,
                                           const std::string& strLinkedType);
    std::shared_ptr<automation::Collection> getLinkAttrs(const std::string& strobject, const std::string& strLink);
    automation::Variant getObjectFields(const std::string& strobject);
    automation::Variant getObjectFieldsIncludeVirtual(const std::string& strobject);
    // The internal operations.
    std::string getCategoryAtrrs(const std::string& strCategory);
    std::string getCategoryAttr(const std::string& strCategory, const automation::Variant& attribute,
                                const std::string& strProperty);
    std::string getObjectAttrType(const std::string& strobject, const std::string& strAttr);
    // Does not reach the component: tells the user where the function went and returns Empty.
    automation::Variant GetObjectDefaultValues(const automation::Variant& strobject);

private:
    automation::Variant Forward(const ObjDefOperation& operation, automation::Arguments& args);
    template <class... A>
    automation::Variant ForwardValues(std::string_view operation, A&&... values);

    automation::DispatchPtr metadata_;
};

}  // namespace noxsimplelinks
