// The find dialog over the grid, the printed report of the pane, and a revision named by a history
// row shown in the attributes dialog.
#include <ctime>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/grid/clsReportWrapper.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

using automation::DispatchPtr;
using automation::Variant;

namespace {

constexpr const char* kFindProgId = "noxFind.IclsFind";
// How the report is printed: shown first, portrait, fitted to the page's width.
constexpr bool kPrintPreview = true;
constexpr int16_t kPrintPortrait = 1;
constexpr bool kPrintFitToPage = true;

Variant Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Variant(automation::MakeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
}

}  // namespace

std::string ctlSimpleLinks::ResourceText(const std::string& key, const std::vector<std::string>& parameters) {
    automation::Arguments args{Variant(key)};
    args.insert(args.end(), parameters.begin(), parameters.end());
    return automation::InvokeOn(Variant(Resource()), "strResString", automation::InvokeKind::Method, args).TextOr("");
}

std::string ctlSimpleLinks::LabelText() const {
    DispatchPtr label = SectionNode("LABEL");
    return label ? label->Get("Text").TextOr("") : std::string();
}

void ctlSimpleLinks::ShowFind() {
    UpdateToolStates("IN_PROCESS");
    ReportedStep("PropertPane:showFind", [&] {
        DispatchPtr find = automation::CreateObject(kFindProgId);
        find->Let("Caption", Variant(ResourceText(LabelText())));
        find->Call("Show", Variant(grid_), false);
    });
    UpdateToolsForSelection();
}

void ctlSimpleLinks::printGrid() {
    ReportedStep("ctlSimpleLinks:printGrid", [&] {
        std::vector<std::string> header{ResourceText(LabelText()), ResourceText("LBL_" + parentType_)};
        if (parentValues_.IsArray()) {
            const automation::SafeArray& values = parentValues_.ToArray();
            const std::string between = " " + ResourceText("LBL_REVISION") + " ";
            std::string joined;
            for (int32_t i = values.LBound(1); i <= values.UBound(1); ++i)
                joined += (i == values.LBound(1) ? "" : between) + values.At(i).TextOr("");
            header.push_back(joined);
        }
        const std::string pageHeader = ResourceText("LBL_SPACES_PRINT_TAB_PAGE_HEADER_WITH_ID", header);
        ModGeneral::SetPointer(ModGeneral::kPointerHourglass);
        clsReportWrapper report;
        const bool printed = report.printGridContents(
            Variant(grid_), ResourceText("LBL_SPACES_PRINT_TAB_REPORT_CAPTION"),
            ResourceText("LBL_SPACES_PRINT_TAB_REPORT_HEADER"), pageHeader,
            ResourceText("LBL_SPACES_PRINT_TAB_PAGE_FOOTER", {Today().ToString()}),
            ResourceText("LBL_SPACES_PRINT_TAB_REPORT_FOOTER"), kPrintPreview, kPrintPortrait, kPrintFitToPage);
        if (!printed)
            platform::Ui().MsgBox(ResourceText("MSG_PRINT_GRID_ERROR"), ModGeneral::kIconExclamation,
                                  ResourceText("TITLE_PRINT_GRID_ERROR"));
        ModGeneral::SetPointer(ModGeneral::kPointerDefault);
    });
}

void ctlSimpleLinks::DisplayRevision(const std::string& revisionColumn, const std::string& source) {
    ModGeneral::SetPointer(ModGeneral::kPointerHourglass);
    UpdateToolStates("IN_PROCESS");
    ReportedStep(source, [&] {
        const Variant keys = GetObjectKeyNames(objectType_);
        const Variant values = RevisionValues(keys, Fg().Get("Row").ToLong(), revisionColumn);
        const Variant attributes(attributes_);
        automation::CallOn(attributes, "Init");
        automation::Arguments buffer{Variant(Params())};
        automation::InvokeOn(attributes, "Buffer", automation::InvokeKind::PropertySet, buffer);
        automation::CallOn(attributes, "Display2History", objectType_, keys, values);
    });
    UpdateToolsForSelection();
    ModGeneral::SetPointer(ModGeneral::kPointerDefault);
}

}  // namespace noxsimplelinks
