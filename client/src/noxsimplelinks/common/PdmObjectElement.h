#pragma once
// The element that names one object to the other windows of the client, on the clipboard and in
// workspace descriptions: NOX_PDM_OBJECT holding its source ("NoxSpace"), its type, its keys and its
// fields, each an empty element carrying its value, spaced exactly as their readers expect:
//   <NOX_PDM_OBJECT><SOURCE Value = "NoxSpace" /> <OBJECT_TYPE Value = "ITEM" /> <KEYS><ITEM.ITEM_KEY Value = "A100" /></KEYS><FIELDS></FIELDS></NOX_PDM_OBJECT>
#include <string>
#include <vector>

namespace noxsimplelinks {

struct NamedValue {
    std::string name;
    std::string value;
};

// The key and field values are escaped (clsXmlWrapper.encodeXml); the object type is written as given.
std::string PdmObjectElement(const std::string& objectType, const std::vector<NamedValue>& keys,
                             const std::vector<NamedValue>& fields = {});

}  // namespace noxsimplelinks
