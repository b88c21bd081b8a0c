#include "noxsimplelinks/common/PdmObjectElement.h"

#include "noxsimplelinks/common/clsXmlWrapper.h"

namespace noxsimplelinks {

namespace {

std::string Tag(const std::string& name) { return "<" + name + ">"; }
std::string EndTag(const std::string& name) { return "</" + name + ">"; }
// <name Value = "value" />
std::string ValueElement(const std::string& name, const std::string& value) {
    return "<" + name + " Value = \"" + value + "\" />";
}

std::string ValueElements(clsXmlWrapper& xml, const std::vector<NamedValue>& values) {
    std::string elements;
    for (const NamedValue& v : values) elements += ValueElement(v.name, xml.encodeXml(v.value));
    return elements;
}

}  // namespace

std::string PdmObjectElement(const std::string& objectType, const std::vector<NamedValue>& keys,
                             const std::vector<NamedValue>& fields) {
    clsXmlWrapper xml;
    return Tag("NOX_PDM_OBJECT") + ValueElement("SOURCE", "NoxSpace") + " " + ValueElement("OBJECT_TYPE", objectType) +
           " " + Tag("KEYS") + ValueElements(xml, keys) + EndTag("KEYS") + Tag("FIELDS") + ValueElements(xml, fields) +
           EndTag("FIELDS") + EndTag("NOX_PDM_OBJECT");
}

}  // namespace noxsimplelinks
