#include "components/noxprint/IclsPrint.h"

#include <chrono>
#include <filesystem>
#include <fstream>

#include "components/noxprint/GridReport.h"
#include "platform/ProductFolders.h"

namespace components {

using automation::Arguments;
using automation::Variant;

namespace {

constexpr const char* kUnavailable[] = {"printMultiGridsContents", "printsaveClassificationTree",
                                        "printsaveCategoryObjs", "printsaveCategoryAttrs"};

// "grid-report-20240131-142501" from the local time, with "-2", "-3", ... when that name is taken.
std::filesystem::path FreeReportPath(const std::filesystem::path& folder) {
    auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    std::string base = std::string("grid-report-") + stamp;
    std::filesystem::path path = folder / (base + ".html");
    for (int n = 2; std::filesystem::exists(path); ++n) path = folder / (base + "-" + std::to_string(n) + ".html");
    return path;
}

}  // namespace

const automation::MemberTable<IclsPrint>& IclsPrint::Members() {
    static const automation::MemberTable<IclsPrint> table = [] {
        automation::MemberTable<IclsPrint> t;
        t.Method("printGridContents", &IclsPrint::printGridContents)
            .Method("printGrid", &IclsPrint::printGridContents)
            .Method("printGridStructure", &IclsPrint::printGridStructure)
            .Property("LastReportFile", [](IclsPrint& p, Arguments&) { return Variant(p.LastReportFile()); });
        for (const char* name : kUnavailable)
            t.Method(name, [name](IclsPrint&, Arguments&) -> Variant {
                throw automation::AutomationError(kNotAvailable, std::string("noxprint.IclsPrint: ") + name +
                                                                     " is not available in this print component");
            });
        return t;
    }();
    return table;
}

platform::ProcessHook<const std::string&>& IclsPrint::ReportWritten() {
    static platform::ProcessHook<const std::string&> hook;
    return hook;
}

bool IclsPrint::printGridContents(const Variant& grid, const std::string& caption, const std::string& reportHeader,
                                  const std::string& pageHeader, const std::string& pageFooter,
                                  const std::string& reportFooter, bool, int16_t, bool) {
    return Write(RenderReport({caption, reportHeader, pageHeader, pageFooter, reportFooter}, GridTable::Read(grid)));
}

bool IclsPrint::printGridStructure(const Variant& grid, const std::string& caption, const std::string& reportHeader,
                                   const std::string& pageHeader, const std::string& pageFooter,
                                   const std::string& reportFooter, bool, int16_t, bool) {
    return Write(
        RenderReport({caption, reportHeader, pageHeader, pageFooter, reportFooter}, GridTable::ReadStructure(grid)));
}

bool IclsPrint::Write(const std::string& html) {
    std::filesystem::path folder = platform::ProductFolders::Directory("REPORTS_DIR");
    std::filesystem::create_directories(folder);
    std::filesystem::path path = FreeReportPath(folder);
    std::ofstream file(path, std::ios::binary);
    file << html;
    file.close();
    if (!file)
        throw automation::AutomationError(automation::errors::kPathNotFound,
                                          "The report cannot be written to " + path.string());
    lastReport_ = path.string();
    ReportWritten()(lastReport_);
    return true;
}

}  // namespace components
