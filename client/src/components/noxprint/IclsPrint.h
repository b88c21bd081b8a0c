#pragma once
// The print component ("noxprint.IclsPrint"): prints a grid by writing it as an HTML report into the
// reports folder (REPORTS_DIR), where any browser shows and prints it. printGridContents and
// printGrid write the cells, printGridStructure the columns; the other operations raise a clear error.
#include <string>

#include "automation/Dispatchable.h"
#include "platform/ProcessHook.h"

namespace components {

class IclsPrint : public automation::Dispatchable<IclsPrint> {
public:
    static constexpr const char* kTypeName = "IclsPrint";
    static const automation::MemberTable<IclsPrint>& Members();
    static constexpr int32_t kNotAvailable = automation::errors::kNotImplemented;

    // The host application's receiver of the path of every report written.
    static platform::ProcessHook<const std::string&>& ReportWritten();

    // The texts: report caption, report header, page header, page footer, report footer. preview,
    // orientation (1 portrait, 2 landscape) and fitToPage concern paper and are not used by a report
    // file. True once the file is written.
    bool printGridContents(const automation::Variant& grid, const std::string& caption, const std::string& reportHeader,
                           const std::string& pageHeader, const std::string& pageFooter,
                           const std::string& reportFooter, bool preview, int16_t orientation, bool fitToPage);
    bool printGridStructure(const automation::Variant& grid, const std::string& caption, const std::string& reportHeader,
                            const std::string& pageHeader, const std::string& pageFooter,
                            const std::string& reportFooter, bool preview, int16_t orientation, bool fitToPage);
    // The path of the last report written; "" before the first.
    const std::string& LastReportFile() const { return lastReport_; }

private:
    bool Write(const std::string& html);

    std::string lastReport_;
};

}  // namespace components
