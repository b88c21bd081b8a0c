#pragma once
// The gateway to printing: hands a grid (or other report data) to the print component
// "noxprint.IclsPrint", created on the first print, forwarding each operation's arguments in order
// and by reference and answering the component's result as a Boolean. Failures reach the caller.
#include <string>

#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class clsReportWrapper : public automation::Dispatchable<clsReportWrapper> {
public:
    static constexpr const char* kTypeName = "clsReportWrapper";
    static constexpr const char* kComponentProgId = "noxprint.IclsPrint";
    static const automation::MemberTable<clsReportWrapper>& Members();

    // The grid's contents with the report caption, report header, page header, page footer and report
    // footer; the last three arguments pass to the component as they are.
    bool printGridContents(const automation::Variant& grid, const std::string& caption, const std::string& reportHeader,
                           const std::string& pageHeader, const std::string& pageFooter,
                           const std::string& reportFooter, bool preview, int16_t orientation, bool fitToPage);

private:
    bool Forward(std::string_view operation, automation::Arguments& args);

    automation::DispatchPtr component_;
};

}  // namespace noxsimplelinks
