// The control's automation interface: every property, method and event hosts know it by.
#include "noxsimplelinks/control/ctlSimpleLinks.h"

namespace noxsimplelinks {

using automation::Arguments;
using automation::Variant;

namespace {

// getValueFromGridByKey as hosts call it (AttrName, Retval), or with a grid first: that grid's text of
// the field in its current row ("" when it has no such column).
Variant ValueFromGridByKey(ctlSimpleLinks& self, const Variant& attrOrGrid, Variant& retvalOrField) {
    if (!attrOrGrid.IsObject()) {
        std::string retval;
        const std::string text = self.getValueFromGridByKey(attrOrGrid.ToString(), retval);
        retvalOrField = Variant(retval);
        return Variant(text);
    }
    try {
        const Variant column = automation::CallOn(attrOrGrid, "ColIndex", retvalOrField.TextOr(""));
        if (column.ToLong() < 0) return Variant(std::string());
        Arguments cell{automation::CallOn(attrOrGrid, "Row"), column};
        return Variant(automation::InvokeOn(attrOrGrid, "TextMatrix", automation::InvokeKind::PropertyGet, cell).TextOr(""));
    } catch (const automation::AutomationError&) {
        return Variant(std::string());
    }
}

}  // namespace

const automation::MemberTable<ctlSimpleLinks>& ctlSimpleLinks::Members() {
    static const auto table = [] {
        using Self = ctlSimpleLinks;
        automation::MemberTable<Self> t;
        t.ObjectProperty("Container", &Self::Container, &Self::SetContainer)
            .ObjectProperty("Params", &Self::Params, &Self::SetParams)
            .Property("ObjectType", &Self::ObjectType, &Self::SetObjectType)
            .ObjectProperty("Comm", &Self::Comm, &Self::SetComm)
            .ObjectProperty("Host", &Self::Host, &Self::SetHost)
            .Property("ParentType", &Self::ParentType, &Self::SetParentType)
            .Property("ParentValues", &Self::ParentValues, &Self::SetParentValues)
            .Property("ParentKeys", &Self::ParentKeys, &Self::SetParentKeys)
            .Property("cacheFilePrefix", &Self::cacheFilePrefix, &Self::SetcacheFilePrefix)
            .ObjectProperty("Cbars", &Self::Cbars, &Self::SetCbars)
            .Property("TreeEffDate", &Self::TreeEffDate, &Self::SetTreeEffDate)
            .Property("WorkspaceMode", &Self::WorkspaceMode, &Self::SetWorkspaceMode)
            .Property("myHwnd", &Self::myHwnd)
            .Property("Width", &Self::Width, &Self::SetWidth)
            .Property("Height", &Self::Height, &Self::SetHeight)
            .Method("Init", &Self::Init)
            .Method("Clear", &Self::Clear)
            .Method("CloseMe", &Self::CloseMe)
            .Method("Refresh", [](Self& self, const Variant& restore) { return self.Refresh(restore); })
            .Method("Display", &Self::Display)
            .Method("Update", &Self::Update)
            .Method("FilterAll", &Self::FilterAll)
            .Method("FilterEffective", &Self::FilterEffective)
            .Method("ButtonOperation", &Self::ButtonOperation)
            .Method("myGridProperties", &Self::myGridProperties)
            .Method("getValuesFromGrid", [](Self& self, const Variant& fields, const Variant& row) {
                return self.getValuesFromGrid(fields, row);
            })
            .Method("getValuesFromGridByGrid", &Self::getValuesFromGridByGrid)
            .Method("getValueFromGridByKey", ValueFromGridByKey)
            .Property("FilesGrid", [](Self& self) { return Variant(self.FilesGrid()); })
            .Property("SelectedKeys", &Self::SelectedKeys)
            .Property("SelectedValues", &Self::SelectedValues)
            .Property("collSelectedObjects", [](Self& self) { return Variant(self.collSelectedObjects()); })
            .Method("ShowCustFields", &Self::ShowCustFields)
            .Method("RemoveCol", &Self::RemoveCol)
            .Method("savePane", &Self::savePane)
            .Method("OpenInCollection", [](Self& self, const Variant& keys, const Variant& values) {
                self.OpenInCollection(keys, values);
            })
            .Method("OpenAllInCollection", &Self::OpenAllInCollection)
            .Method("OpenInStructure", [](Self& self, const Variant& keys, const Variant& values, const Variant& mode) {
                self.OpenInStructure(keys, values, mode);
            })
            .Method("OpenRevFromStr", &Self::OpenRevFromStr)
            .Method("OpenRevToStr", &Self::OpenRevToStr)
            .Method("OpenRevFromCol", &Self::OpenRevFromCol)
            .Method("OpenRevToCol", &Self::OpenRevToCol)
            .Method("OpenEO", &Self::OpenEO)
            .Method("ShowFind", &Self::ShowFind)
            .Method("printGrid", &Self::printGrid)
            .Method("DisplayRevFrom", &Self::DisplayRevFrom)
            .Method("DisplayRevTo", &Self::DisplayRevTo)
            .Method("SelectSource", &Self::SelectSource)
            .Method("SelectSourceCustomer", [](Self& self, const Variant& copy) { self.SelectSourceCustomer(copy); })
            .Method("Copy", &Self::Copy)
            .Method("CopyObject", &Self::CopyObject)
            .Method("SelectKeywordSource", &Self::SelectKeywordSource)
            .Method("PasteLinks", &Self::PasteLinks)
            .Method("UnlinkReference", &Self::UnlinkReference)
            .Method("UnlinkParentChild", &Self::UnlinkParentChild)
            .Method("UnlinkChildParent", &Self::UnlinkChildParent)
            .Method("RemoveKeyWord", &Self::RemoveKeyWord)
            .Method("UnlinkItemCustomer", &Self::UnlinkItemCustomer)
            .Method("UnlinkObjectFromModification", &Self::UnlinkObjectFromModification)
            .Method("UnlinkAttachObject", &Self::UnlinkAttachObject)
            .Method("LockAttachObject", &Self::LockAttachObject)
            .Method("UnAuthorizeToProject", &Self::UnAuthorizeToProject)
            .Method("UpdateItemCustmerLink", &Self::UpdateItemCustmerLink)
            .Method("UpdateDocItemLink", &Self::UpdateDocItemLink)
            .Method("PrintFiles", &Self::PrintFiles)
            .Method("PrintHardCopy", &Self::PrintHardCopy)
            .Method("UpdateFile", &Self::UpdateFile)
            .Method("UpdateHardCopy", &Self::UpdateHardCopy)
            .Method("DisplayFile", &Self::DisplayFile)
            .Method("DisplayHardCopy", &Self::DisplayHardCopy)
            .Method("FindFiles", &Self::FindFiles)
            .Method("FindHardCopy", &Self::FindHardCopy)
            .Method("ShowViewFileDlg", &Self::ShowViewFileDlg)
            .Method("ShowEditFileDlg", &Self::ShowEditFileDlg)
            .Method("EditFileInIntegration", &Self::EditFileInIntegration)
            .Method("ViewFileInIntegration", &Self::ViewFileInIntegration)
            .Method("ViewFileForItemInBrowser", &Self::ViewFileForItemInBrowser)
            .Method("ViewWithRedlineFile", &Self::ViewWithRedlineFile)
            .Method("RedlineFileInBrowser", &Self::RedlineFileInBrowser)
            .Method("UnlinkAndDeleteFile", &Self::UnlinkAndDeleteFile)
            .Method("UnlinkAndDeleteHardCopy", &Self::UnlinkAndDeleteHardCopy)
            .Method("LockFile", &Self::LockFile)
            .Method("UnlockFile", &Self::UnlockFile)
            .Method("DisplayLockInfo", &Self::DisplayLockInfo)
            .Method("DisplayStorage", &Self::DisplayStorage)
            .Method("EoAttachObjTOSteps", &Self::EoAttachObjTOSteps)
            .Method("EoDitachObjTOSteps", &Self::EoDitachObjTOSteps)
            .Method("EoViewDitachObjTOSteps", &Self::EoViewDitachObjTOSteps)
            .Method("EoDetachObjFromSingleStep", &Self::EoDetachObjFromSingleStep)
            .Method("EoAttachObjAllSteps", &Self::EoAttachObjAllSteps)
            .Method("ObjectStepOperation", &Self::ObjectStepOperation)
            .Method("ObjectStepOperationOld", &Self::ObjectStepOperationOld)
            .Method("ApproveItem", &Self::ApproveItem)
            .Method("RejectItem", &Self::RejectItem)
            .Method("ApproveFormula", &Self::ApproveFormula)
            .Method("RejectFormula", &Self::RejectFormula)
            .Method("ApproveMaterial", &Self::ApproveMaterial)
            .Method("RejectMaterial", &Self::RejectMaterial);
        return t;
    }();
    return table;
}

}  // namespace noxsimplelinks
