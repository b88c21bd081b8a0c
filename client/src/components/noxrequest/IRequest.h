#pragma once
// The request-document component ("noxrequest.IRequest"): holds the parts of one request (user
// parameters, objects, parameters) and writes the request document around them for a method.
// The first parameter fragment after a built request replaces the held parameters; later ones merge
// into them (ParamsMerge), so that separately built parameters travel together in one request and
// none of them is left over for the next.
#include <string>

#include "automation/Dispatchable.h"

namespace components {

class IRequest : public automation::Dispatchable<IRequest> {
public:
    static constexpr const char* kTypeName = "IRequest";
    static const automation::MemberTable<IRequest>& Members();

    bool setuserparams(const std::string& xml);
    bool setparams(const std::string& xml);
    bool setobjects(const std::string& xml);
    // Paths of a request file and a resource file; kept, the documents do not depend on them.
    void setrequestfile(const std::string& path) { requestFile_ = path; }
    void initresfile(const std::string& path) { resourceFile_ = path; }
    // "<Request><Method><Name>" method "</Name>" ... "</Method></Request>" from the parts held now.
    // The parameters stay held until the next setparams, which replaces them.
    std::string buildrequest(const std::string& method);

    // One object with new attribute values, for the objects of a collection update:
    // "<OBJECTS><OBJECT ID='type'>" + one element per key + one per attribute + "</OBJECT></OBJECTS>".
    // Keys and values are arrays paired by index; the attributes a table whose rows hold a name
    // (column 0) and a value (column 1); values are escaped, names placed as they are.
    std::string getObjByKeysValuesAndArrayAsXml(const std::string& objectType, const automation::Variant& keys,
                                                const automation::Variant& values,
                                                const automation::Variant& attributes) const;

    const std::string& Params() const { return params_; }

private:
    std::string userParams_, params_, objects_, requestFile_, resourceFile_;
    bool replaceParams_ = true;  // the next setparams replaces the held parameters
};

}  // namespace components
