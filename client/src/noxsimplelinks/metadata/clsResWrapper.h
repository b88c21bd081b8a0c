#pragma once
// The library's facade over the resource component "noxres.IRes": creates one instance, keeps it
// for its lifetime and forwards every lookup to it late-bound, so that any replacement works.
#include <string>
#include <vector>

#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class clsResWrapper : public automation::Dispatchable<clsResWrapper> {
public:
    static constexpr const char* kTypeName = "clsResWrapper";
    static const automation::MemberTable<clsResWrapper>& Members();

    // Fails with the factory's error when "noxres.IRes" cannot be created.
    clsResWrapper();

    // The text of the key with the parameters filled in; exactly one parameter is first split at
    // every ";" into several.
    std::string strResString(const std::string& key, std::vector<std::string> parameters = {});
    automation::Variant ipicResIcon(const std::string& key);
    automation::Variant ipicResBitmap(const std::string& key);
    automation::Variant ipicResCursor(const std::string& key);
    automation::Variant iResaultArray(const std::string& key);
    // Forwards only a path that is not blank.
    void LoadResFile(const std::string& path);
    void ILoadPartsFromXmlRes(const std::string& name, automation::Variant& part);

private:
    automation::DispatchPtr resources_;
};

}  // namespace noxsimplelinks
