#pragma once
// The request-document component ("noxrequest.IRequest"): holds the parts of one request (user
// parameters, objects, parameters) and writes the request document around them for a method.
// Successive parameter fragments merge: a <PARAMS> element replaces the held children of the same
// names and adds the others, so that separately built parameters travel together.
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
    std::string buildrequest(const std::string& method) const;

    const std::string& Params() const { return params_; }

private:
    std::string userParams_, params_, objects_, requestFile_, resourceFile_;
};

}  // namespace components
