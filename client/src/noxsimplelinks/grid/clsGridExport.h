#pragma once
// The pane's grid as a file a spreadsheet opens: the visible columns and rows, in grid order, under
// the column labels (the fixed rows), as CSV (RFC 4180, UTF-8) or as an XLSX workbook whose number
// columns hold numbers and date columns dates. A path that cannot be written, or a name that is
// neither, raises the error.
#include <string>

#include "automation/Dispatchable.h"
#include "platform/grid/VisibleGrid.h"

namespace noxsimplelinks {

class clsGridExport : public automation::Dispatchable<clsGridExport> {
public:
    using Variant = automation::Variant;
    static constexpr const char* kTypeName = "clsGridExport";
    static constexpr const char* kProgId = "noxsimplelinks.clsGridExport";
    static const automation::MemberTable<clsGridExport>& Members();

    // By the file name's extension, ".csv" or ".xlsx" in any case; any other raises 5.
    void ExportGrid(const Variant& grid, const std::string& path);
    void ExportCsv(const Variant& grid, const std::string& path);
    void ExportXlsx(const Variant& grid, const std::string& path);

    // The CSV text: a byte-order mark, then one record per row ended by CR LF; fields holding a comma,
    // a quote or a line break are quoted, quotes doubled.
    static std::string CsvText(const platform::VisibleGrid& grid);
};

}  // namespace noxsimplelinks
