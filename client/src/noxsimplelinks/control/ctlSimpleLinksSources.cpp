// Picking objects as the source of new links: the selected rows (or the current row's keyword) put
// on the clipboard in the texts other panes read back; and pasting such a pick into this pane, which
// links the picked objects to the parent on the server.
#include "automation/SafeArray.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/grid/clsClipboard.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"
#include "noxsimplelinks/request/clsUtils.h"

namespace noxsimplelinks {

using automation::SafeArray;
using automation::Variant;

namespace {

constexpr const char* kKeywordFormat = "NOX_KEYWORD";

void PutSelection(const automation::DispatchPtr& grid, const std::string& objectType, bool copied) {
    clsClipboard().putGridOnClipboard(Variant(grid), objectType, copied);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The kind of link a pasted object gets to the parent, by the pane.
std::string PastedLinkKind(const std::string& intName) {
    if (intName == "REFERENCE") return "LOGICAL_LINK";
    if (intName == "CHILD") return "CHILD_LINKS";
    if (intName == "PARENT" || intName == "WHEREUSED") return "PARENT_LINKS";
    return "REFERENCE_LINK";
}

// The key values of the picked objects of a type: from object records, or from a picked keyword.
std::vector<Variant> PickedObjects(const std::string& objectType, const Variant& keyNames) {
    clsClipboard clipboard;
    std::string typeFormat, error;
    const std::string data = clipboard.GetClipboardObjectsAndFormat(typeFormat);
    clsXmlWrapper xml;
    std::vector<Variant> picked;
    if (data.empty() || !keyNames.IsArray() || !xml.loadXmlString("<PICKED>" + data + "</PICKED>", error)) return picked;
    const SafeArray& keys = keyNames.ToArray();
    if (typeFormat == kKeywordFormat) {
        if (objectType == "KEY_GLOSS" && keys.UBound(1) - keys.LBound(1) == 1)
            picked.push_back(Variant(SafeArray::Of({Variant(xml.getNodeText("//KEYWORD/@ID")),
                                                    Variant(xml.getNodeText("//CATEGORY/@ID"))})));
        return picked;
    }
    const int32_t count = automation::CallOn(Variant(xml.selectNodes("/PICKED/NOX_PDM_OBJECT")), "length").ToLong();
    for (int32_t i = 1; i <= count; ++i) {
        const std::string record = "/PICKED/NOX_PDM_OBJECT[" + std::to_string(i) + "]";
        if (xml.getNodeText(record + "/OBJECT_TYPE/@Value") != objectType) continue;
        SafeArray values(automation::Bounds{0, keys.UBound(1) - keys.LBound(1)});
        for (int32_t k = keys.LBound(1); k <= keys.UBound(1); ++k)
            values.At(k - keys.LBound(1)) = Variant(xml.getNodeText(record + "/KEYS/" + keys.At(k).TextOr("") + "/@Value"));
        picked.push_back(Variant(std::move(values)));
    }
    return picked;
}

}  // namespace

void ctlSimpleLinks::SelectSource() {
    ReportedStep("ctlSimpleLinks:SelectSource", [&] {
        ModGeneral::SetPointer(ModGeneral::kPointerHourglass);
        PutSelection(grid_, objectType_, false);
        ModGeneral::SetPointer(ModGeneral::kPointerDefault);
    });
}

void ctlSimpleLinks::SelectSourceCustomer(const Variant& /*CopyInd: not used*/) {
    ReportedStep("ctlSimpleLinks:SelectSourceCustomer", [&] { PutSelection(grid_, objectType_, false); });
}

void ctlSimpleLinks::Copy() {
    ReportedStep("ctlSimpleLinks:Copy", [&] {
        ModGeneral::SetPointer(ModGeneral::kPointerHourglass);
        PutSelection(grid_, objectType_, true);
        ModGeneral::SetPointer(ModGeneral::kPointerDefault);
    });
}

void ctlSimpleLinks::CopyObject() {
    ReportedStep("ctlSimpleLinks:CopyObject", [&] {
        ModGeneral::SetPointer(ModGeneral::kPointerHourglass);
        PutSelection(grid_, objectType_, true);
        ModGeneral::SetPointer(ModGeneral::kPointerDefault);
    });
}

void ctlSimpleLinks::SelectKeywordSource() {
    ReportedStep("ctlSimpleLinks:SelectKeywordSource", [&] {
        clsXmlWrapper xml;
        const std::string keyword = xml.encodeXml(GridCell("Row", "KEY_GLOSS.KEYWORD"));
        const std::string category = xml.encodeXml(GridCell("Row", "KEY_GLOSS.KEYWORD_CLASS"));
        clsClipboard().putDataOnClipboard(kKeywordFormat, "<SELECT_KEYWORD><KEYWORD ID=" + Quoted(keyword) +
                                                              "/><CATEGORY ID=" + Quoted(category) +
                                                              "/></SELECT_KEYWORD>");
    });
}

void ctlSimpleLinks::PasteLinks() {
    ReportedStep("ctlSimpleLinks:PasteLinks", [&] {
        clsUtils utils;
        const Variant keys = GetObjectKeyNames(objectType_);
        const std::string link = LinkToParent(objectType_, PastedLinkKind(intName_));
        std::string requests;
        for (const Variant& values : PickedObjects(objectType_, keys))
            requests += BuildMethodRequest("CreateLink", utils.getObjectsXmlForCreateLink(parentType_, objectType_, parentKeys_,
                                                                                          parentValues_, keys, values, link,
                                                                                          Variant()));
        AfterLinkChange(SendMultiMethodRequest(requests));
    });
}

}  // namespace noxsimplelinks
