#include "noxsimplelinks/grid/clsReportWrapper.h"

#include "automation/ObjectFactory.h"

namespace noxsimplelinks {

using automation::Arguments;
using automation::Variant;

namespace {

constexpr const char* kOperations[] = {"printGridContents",           "printGridStructure",     "printMultiGridsContents",
                                       "printGrid",                   "printsaveClassificationTree",
                                       "printsaveCategoryObjs",       "printsaveCategoryAttrs"};

}  // namespace

const automation::MemberTable<clsReportWrapper>& clsReportWrapper::Members() {
    static const automation::MemberTable<clsReportWrapper> table = [] {
        automation::MemberTable<clsReportWrapper> t;
        for (const char* operation : kOperations)
            t.Method(operation, [operation](clsReportWrapper& w, Arguments& args) {
                return Variant(w.Forward(operation, args));
            });
        return t;
    }();
    return table;
}

bool clsReportWrapper::Forward(std::string_view operation, Arguments& args) {
    if (!component_) component_ = automation::CreateObject(kComponentProgId);
    return component_->Invoke(operation, automation::InvokeKind::Method, args).ToBool();
}

bool clsReportWrapper::printGridContents(const Variant& grid, const std::string& caption,
                                         const std::string& reportHeader, const std::string& pageHeader,
                                         const std::string& pageFooter, const std::string& reportFooter, bool preview,
                                         int16_t orientation, bool fitToPage) {
    Arguments args{grid,         Variant(caption),      Variant(reportHeader), Variant(pageHeader), Variant(pageFooter),
                   Variant(reportFooter), Variant(preview), Variant(orientation), Variant(fitToPage)};
    return Forward("printGridContents", args);
}

}  // namespace noxsimplelinks
