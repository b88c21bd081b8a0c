#pragma once
// The one way the library loads, queries and escapes XML: holds one XML utility component
// ("noxxmlutil.IXmlUtil", created with the wrapper) and forwards every operation to it by name,
// handing results back unchanged. Operations other than the loads let the component's errors pass.
#include <string>

#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class clsXmlWrapper : public automation::Dispatchable<clsXmlWrapper> {
public:
    static constexpr const char* kTypeName = "clsXmlWrapper";
    static const automation::MemberTable<clsXmlWrapper>& Members();

    clsXmlWrapper();

    // The error text is cleared first; on failure the result is false and the text says why.
    bool loadXmlFile(const std::string& path, std::string& errorText);
    bool loadXmlString(const std::string& xml, std::string& errorText);
    std::string getXml();
    automation::DispatchPtr getDocument();
    // Nothing when no node matches.
    automation::DispatchPtr selectNode(const std::string& xpath);
    automation::DispatchPtr selectNodes(const std::string& xpath);
    std::string getNodeText(const std::string& xpath);
    automation::DispatchPtr getNamedNode(const std::string& name);
    automation::Variant getNodeAsArray(const std::string& xpath);
    automation::Variant getChildrenNodeValuePairs(const std::string& xpath);
    // Nothing when the text holds no row set.
    automation::DispatchPtr getRecordset(automation::Variant xml);
    std::string encodeXml(const std::string& text);
    std::string decodeXml(const std::string& text);

private:
    bool Load(const char* operation, const std::string& source, std::string& errorText);
    automation::Variant Forward(const char* operation, const std::string& argument);

    automation::DispatchPtr util_;
};

}  // namespace noxsimplelinks
